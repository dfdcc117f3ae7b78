// The level editor's picture of a record at the Atari's resolution, for comparing with a frame.
#include "standinfixture.h"

#include "common/intconv.h"
#include "pattern/fontfile.h"
#include "pattern/patterneditor.h"
#include "support/testutil.h"

QByteArray StandinBytes()
{
    return ReadTestFile(BinFile("oxil.xex"));
}

const PatternStore& StartupStore()
{
    static const PatternStore store = [] {
        PatternEditor editor;
        LoadFontFile(editor, BinFile("Vorarado.fa8"));
        return editor.store();
    }();
    return store;
}

std::vector<std::array<uint8_t, 160>> EditorView(const PatternStore& store, const QByteArray& record, int position)
{
    std::vector<std::array<uint8_t, 160>> view(160);
    for (int line = 0; line < 160; ++line) {
        const int y = line / 16; // level row
        const int j = line % 16; // pattern row
        for (int x = 0; x < 160; ++x) {
            const int clock = position + x;
            const int cell = clock / 8;
            const int half = (clock % 8) / 4;
            const int k = clock % 4;
            int pattern = static_cast<uint8_t>(record[y * 128 + cell]) / 2;
            const bool fifth = pattern > 63;
            if (fifth)
                pattern -= 64;
            const int bits = StrToInt(store.entry(j < 8 ? 1 : 2, 2 * pattern + half, j % 8));
            const int pixel = (bits >> (6 - 2 * k)) & 3;
            const int column = pixel < 3 ? pixel : (fifth ? 4 : 3); // A background, B-D codes 1-3, E fifth
            view[line][x] = static_cast<uint8_t>(record[kColours + 5 * y + column]);
        }
    }
    return view;
}

std::vector<std::array<uint8_t, 160>> LevelLines(const Frame& frame)
{
    if (frame.firstLevelLine < 0 || frame.firstLevelLine + 160 > static_cast<int>(frame.lines.size()))
        return {};
    return {frame.lines.begin() + frame.firstLevelLine, frame.lines.begin() + frame.firstLevelLine + 160};
}
