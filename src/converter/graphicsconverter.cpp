// Loading, the table operations and the two analyses of the graphics converter.
#include "converter/graphicsconverter.h"

#include "common/bytefile.h"
#include "converter/colortextcache.h"
#include "converter/graphicsexport.h"
#include "converter/nearestpalettecolor.h"
#include "converter/pictureloader.h"
#include "common/packedcolor_picture.h"

#include <QHash>
#include <utility>

namespace {

const QString kBlackText = QStringLiteral("clBlack");

void WriteRowStarts(RegisterTable& table, int rows)
{
    for (int r = 1; r <= rows; ++r) {
        table.setCell(0, r, QString::number(r));
        table.setCell(1, r, kBlackText);
    }
}

void ResetTable(RegisterTable& table, GraphicsConverter::Headers headers)
{
    // Every column of every row: a wide or tall earlier picture leaves nothing behind that an
    // analysis or an export of the next one could pick up.
    table.clearRows();
    WriteRowStarts(table, table.rowCount());
    for (int c = 1; c <= 9; ++c)
        table.setCell(c, 0, headers == GraphicsConverter::Headers::RegisterAddresses ? RegisterAddressHeader(c)
                                                                                     : QStringLiteral("Reg %1").arg(c + 703));
}

// Whether the analysis goes on after line y.
bool GoOn(const AnalysisProgress& progress, int y, int height)
{
    return !progress || progress(y, height);
}

// "Ermittle Farben Kompakt" on a table; false when stopped.
bool Kompakt(const QImage& picture, RegisterTable& table, const AnalysisProgress& progress)
{
    const int width = picture.width();
    const int height = picture.height();
    ColorTextCache texts;
    // A colour marked with the generation is known to stand in columns 1-15 of the current line.
    // Overwriting column 15 starts a new generation, since it may have removed a colour.
    ColorStamps stamps;
    int generation = 0;
    for (int y = 1; y <= height; ++y) {
        ++generation;
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y - 1));
        for (int x = width; x >= 1; --x) {
            const int id = texts.idOf(line[x - 1]);
            if (stamps.marked(id, generation))
                continue;
            const QString& c = texts.text(id);
            bool found = false;
            for (int k = 1; k <= 15 && !found; ++k)
                found = table.cell(k, y) == c;
            if (!found) {
                int free = 0;
                for (int k = 1; k <= 14 && free == 0; ++k)
                    if (table.cell(k, y).trimmed().isEmpty())
                        free = k;
                if (free != 0) {
                    table.setCell(free, y, c);
                } else {
                    table.setCell(15, y, c);
                    ++generation;
                }
            }
            stamps.mark(id, generation);
        }
        if (!GoOn(progress, y, height))
            return false;
    }
    return true;
}

// "Ermittle Farben Isoliert" on a table whose headers and row starts were just written; false when
// stopped.
bool Isoliert(const QImage& picture, RegisterTable& table, const AnalysisProgress& progress)
{
    const int width = picture.width();
    const int height = picture.height();
    constexpr int kSearched = 19;
    ColorTextCache texts;
    // First column (row by row, then column by column) of each text in the lines above, columns 1-19.
    QHash<QString, int> earlier;
    // Last column of each text in the current line, columns 1-19.
    QHash<QString, int> current;
    // Columns past 19 that a colour was given: found again there, so it takes only one.
    QHash<QString, int> beyond;
    // A colour marked with y was placed on line y already; later pixels of it land on the same cell
    // again, which changes nothing.
    ColorStamps stamps;
    int n = 1;
    for (int y = 1; y <= height; ++y) {
        current.clear();
        for (int k = 1; k <= kSearched; ++k)
            if (!table.cell(k, y).isEmpty())
                current.insert(table.cell(k, y), k);
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y - 1));
        for (int x = 1; x <= width; ++x) {
            const int id = texts.idOf(line[x - 1]);
            if (stamps.marked(id, y))
                continue;
            const QString& c = texts.text(id);
            int p = earlier.value(c, 0);
            if (p == 0)
                p = current.value(c, 0);
            if (p == 0)
                p = beyond.value(c, 0);
            const QString& there = table.cell(p, y);
            if (there != c && !there.isEmpty())
                p = ++n;
            table.setCell(p, y, c);
            if (p >= 1 && p <= kSearched) {
                if (current.value(c, 0) < p)
                    current.insert(c, p);
            } else if (p > kSearched && !beyond.contains(c)) {
                beyond.insert(c, p);
            }
            stamps.mark(id, y);
        }
        for (int k = 1; k <= kSearched; ++k) {
            const QString& t = table.cell(k, y);
            if (!t.isEmpty() && !earlier.contains(t))
                earlier.insert(t, k);
        }
        if (!GoOn(progress, y, height))
            return false;
    }
    return true;
}

} // namespace

GraphicsConverter::GraphicsConverter() = default;

void GraphicsConverter::ResetRegisterTable(Headers headers)
{
    ResetTable(mTable, headers);
    emit tableChanged();
}

void GraphicsConverter::LoadPicture(const QString& fileName)
{
    TakePicture(ReadPicture(fileName));
}

void GraphicsConverter::TakePicture(QImage picture)
{
    QuantizeToPalette(picture);
    replacePicture(std::move(picture), false);
}

void GraphicsConverter::takePaintedPicture(QImage picture)
{
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    replacePicture(std::move(picture), true);
}

void GraphicsConverter::replacePicture(QImage picture, bool painted)
{
    mPicture = std::move(picture);
    mPainted = painted;
    mTable.setSize(RegisterTable::kShownColumns, mPicture.height() + 1);
    WriteRowStarts(mTable, mPicture.height() + 1);
    emit pictureReplaced();
    emit tableChanged();
    emit workChanged();
}

void GraphicsConverter::ErmittleFarbenKompakt()
{
    if (pictureWidth() == 0 || pictureHeight() == 0)
        return;
    Kompakt(mPicture, mTable, {});
    mLog.appendPixelWalk(pictureWidth(), pictureHeight(), ConverterLog::Walk::RightToLeft);
    emit tableChanged();
}

void GraphicsConverter::ErmittleFarbenIsoliert()
{
    ResetRegisterTable(Headers::RegisterAddresses);
    if (pictureWidth() == 0 || pictureHeight() == 0)
        return;
    Isoliert(mPicture, mTable, {});
    mLog.appendPixelWalk(pictureWidth(), pictureHeight(), ConverterLog::Walk::LeftToRight);
    emit tableChanged();
}

std::optional<RegisterTable> GraphicsConverter::Analyse(AnalysisInput input, const AnalysisProgress& progress)
{
    if (input.analysis == Analysis::Isoliert)
        ResetTable(input.table, Headers::RegisterAddresses);
    if (input.picture.width() == 0 || input.picture.height() == 0)
        return std::move(input.table);
    const bool done = input.analysis == Analysis::Kompakt ? Kompakt(input.picture, input.table, progress)
                                                          : Isoliert(input.picture, input.table, progress);
    if (!done)
        return std::nullopt;
    return std::move(input.table);
}

void GraphicsConverter::takeAnalysis(Analysis analysis, RegisterTable table)
{
    mTable = std::move(table);
    if (pictureWidth() != 0 && pictureHeight() != 0)
        mLog.appendPixelWalk(pictureWidth(), pictureHeight(),
                             analysis == Analysis::Kompakt ? ConverterLog::Walk::RightToLeft
                                                           : ConverterLog::Walk::LeftToRight);
    emit tableChanged();
}

void GraphicsConverter::setCellText(int column, int row, const QString& text)
{
    if (mTable.cell(column, row) == text)
        return;
    mTable.setCell(column, row, text);
    emit cellChanged(column, row);
}

void GraphicsConverter::swapCells(int column1, int row1, int column2, int row2)
{
    const QString first = mTable.cell(column1, row1);
    const QString second = mTable.cell(column2, row2);
    mTable.setCell(column2, row2, first);
    mTable.setCell(column1, row1, second);
    emit cellChanged(column1, row1);
    emit cellChanged(column2, row2);
}

void GraphicsConverter::moveColumn(int from, int to)
{
    mTable.moveColumn(from, to);
    emit tableChanged();
}

std::optional<PackedColor> GraphicsConverter::pixel(int x, int y) const
{
    if (!mPicture.valid(x, y))
        return std::nullopt;
    return FromPixel(reinterpret_cast<const QRgb*>(mPicture.constScanLine(y))[x]);
}

void GraphicsConverter::setPixel(int x, int y, PackedColor color)
{
    if (!mPicture.valid(x, y))
        return;
    QRgb& at = reinterpret_cast<QRgb*>(mPicture.scanLine(y))[x];
    if (at == ToQRgb(color))
        return;
    at = ToQRgb(color);
    mPainted = true;
    emit pixelsChanged(QRect(x, y, 1, 1));
    emit workChanged();
}

void GraphicsConverter::CodeGenerieren()
{
    for (int c = 1; c <= 9; ++c)
        mTable.setCell(c, 0, RegisterAddressHeader(c));
    emit tableChanged();
    mLog.clear();
    mLog.append(AssemblerCode(mTable));
}

QByteArray GraphicsConverter::AtariRam()
{
    const QByteArray bytes = AtariRamImage(mPicture, mTable);
    mLog.appendRamBytes(bytes, pictureWidth() / 2);
    return bytes;
}

void GraphicsConverter::SaveAtariRam(const QString& fileName)
{
    WriteByteFile(fileName, AtariRam());
}

void GraphicsConverter::SavePicture(const QString& fileName)
{
    WriteByteFile(fileName, WindowsBitmap32(mPicture));
    mPainted = false;
    emit workChanged();
}
