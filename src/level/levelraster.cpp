// Drawing the level's cells into an indexed picture.
#include "level/levelraster.h"

#include "common/errors.h"
#include "level/leveldocument.h"
#include "level/leveloverlays.h"
#include "level/levelpixeltable.h"

#include <cstring>

namespace {

class IndexedCanvas : public OverlayCanvas {
public:
    explicit IndexedCanvas(IndexedImage& image) : mImage(image) {}
    int width() const override { return mImage.width; }
    int height() const override { return mImage.height; }
    void fill(int y, int x0, int x1, PackedColor color) override
    {
        char* line = mImage.pixels.data() + qsizetype{mImage.width} * y;
        std::memset(line + x0, mImage.colorIndex(color), static_cast<size_t>(x1 - x0 + 1));
    }

private:
    IndexedImage& mImage;
};

} // namespace

IndexedImage RenderLevelCells(const LevelDocument& document, const LevelPixelTable& pixels)
{
    constexpr int kCell = LevelPixelTable::kCellWidth;
    IndexedImage image;
    image.width = kCell * LevelDocument::kColumns;
    image.height = kCell * LevelDocument::kRows;
    image.pixels = QByteArray(qsizetype{image.width} * image.height, Qt::Uninitialized);
    for (int y = 0; y < LevelDocument::kRows; ++y) {
        std::array<quint8, 5> index;
        for (int c = 0; c < 5; ++c)
            index[c] = static_cast<quint8>(image.colorIndex(document.colorEntry(c, y + 1).displayColor));
        for (int x = 0; x < LevelDocument::kColumns; ++x) {
            const int pattern = document.cellPattern(x, y);
            // The pixel table ends at pattern 127: like reading an empty table cell.
            if (pattern > 127)
                throw ConversionError(QString());
            for (int j = 0; j < LevelPixelTable::kRows; ++j) {
                const auto registers = pixels.cellRow(pattern, j);
                char* top = image.pixels.data() + qsizetype{image.width} * (kCell * y + 2 * j) + kCell * x;
                for (int i = 0; i < kCell; ++i)
                    top[i] = static_cast<char>(index[registers[i]]);
                std::memcpy(top + image.width, top, kCell);
            }
        }
    }
    return image;
}

void DrawLoadedLevelOverlays(IndexedImage& image, const LevelDocument& document)
{
    IndexedCanvas canvas(image);
    DrawMonsterOverlay(canvas, document);
    DrawSwitchOverlay(canvas, document);
}
