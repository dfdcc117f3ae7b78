// The two overlays of the level picture, drawn by the overlay code the command-line companion uses too.
#include "level/levelpicture.h"

#include "level/leveloverlays.h"

#include <algorithm>

namespace {

class PictureCanvas : public OverlayCanvas {
public:
    explicit PictureCanvas(QImage& image) : mImage(image) {}
    int width() const override { return mImage.width(); }
    int height() const override { return mImage.height(); }
    void fill(int y, int x0, int x1, PackedColor color) override
    {
        QRgb* line = reinterpret_cast<QRgb*>(mImage.scanLine(y));
        std::fill(line + x0, line + x1 + 1, ToQRgb(color));
    }

private:
    QImage& mImage;
};

} // namespace

void LevelPicture::drawschalter()
{
    PictureCanvas canvas(levelImage());
    DrawSwitchOverlay(canvas, mDocument);
}

void LevelPicture::Drawmonster()
{
    PictureCanvas canvas(levelImage());
    DrawMonsterOverlay(canvas, mDocument);
}
