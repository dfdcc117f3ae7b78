// The graphics converter's document: the picture, its register table and the log.
#pragma once

#include "converter/converterlog.h"
#include "converter/registertable.h"
#include "palette/ataricolor.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

// How far an analysis is: called after each picture line with the lines done and the picture's height;
// returning false stops the analysis. May be empty.
using AnalysisProgress = std::function<bool(int done, int lines)>;

// The picture is quantised to the Atari palette when it is loaded; the analyses then fill the table
// line by line with the colour texts each colour register has to hold. Every change goes through a
// named operation that announces what it changed.
class GraphicsConverter : public QObject {
    Q_OBJECT
public:
    enum class Headers {
        RegisterAddresses, // "$D012" ... "$D01A"
        ShadowRegisters,   // "Reg 704" ... "Reg 712"
    };

    GraphicsConverter();

    const QImage& picture() const { return mPicture; }
    int pictureWidth() const { return mPicture.width(); }
    int pictureHeight() const { return mPicture.height(); }
    const RegisterTable& table() const { return mTable; }
    const QString& cell(int column, int row) const { return mTable.cell(column, row); }
    ConverterLog& log() { return mLog; }
    const ConverterLog& log() const { return mLog; }

    // Empties every row of the table in every column, numbers rows 1 ... row count, puts black into
    // column 1 of each and writes the chosen headers.
    void ResetRegisterTable(Headers headers);
    // "Tabelle leeren".
    void TabelleLeeren() { ResetRegisterTable(Headers::ShadowRegisters); }

    // Reads the file (ReadPicture) and takes it as the new picture; on an error nothing changes.
    void LoadPicture(const QString& fileName);
    // Takes a picture: the table becomes 20 columns x height + 1 rows, rows 1 ... height + 1 are
    // numbered with black in column 1, and every pixel becomes its nearest palette colour.
    void TakePicture(QImage picture);

    // "Ermittle Farben Kompakt": each line's colours into the lowest free registers of that line.
    void ErmittleFarbenKompakt();
    // "Ermittle Farben Isoliert": every colour of the picture gets a column of its own.
    void ErmittleFarbenIsoliert();

    // The same analyses on a copy of the table, for a caller on another thread: the picture and the
    // table are copied (cheaply: both share their data until written) by the caller's thread, the
    // analysis runs on the copies wherever the caller likes, and takeAnalysis() puts the result in
    // place on the converter's thread. Stopped through progress, there is no result and the converter
    // holds what it held. The picture must not be painted meanwhile.
    enum class Analysis { Kompakt, Isoliert };
    struct AnalysisInput {
        Analysis analysis = Analysis::Kompakt;
        QImage picture;
        RegisterTable table;
    };
    AnalysisInput analysisInput(Analysis analysis) const { return {analysis, mPicture, mTable}; }
    static std::optional<RegisterTable> Analyse(AnalysisInput input, const AnalysisProgress& progress);
    // The table an analysis of the current picture made: in place, logged and announced as by
    // ErmittleFarbenKompakt() or ErmittleFarbenIsoliert().
    void takeAnalysis(Analysis analysis, RegisterTable table);

    // Typing into a cell.
    void setCellText(int column, int row, const QString& text);
    // Right-drag: the two cells exchange their texts.
    void swapCells(int column1, int row1, int column2, int row2);
    // A column dragged by its header to another position, taking its cells along.
    void moveColumn(int from, int to);

    // A pixel of the picture; outside it nothing.
    std::optional<PackedColor> pixel(int x, int y) const;
    // Painting: the pixel takes the colour as it is (not quantised). Outside the picture nothing happens.
    void setPixel(int x, int y, PackedColor color);
    // Whether pixels were painted since the picture was loaded or saved.
    bool pictureModified() const { return mPainted; }
    // A painted picture given back (from a recovery copy): taken as it is, without quantising, with a
    // fresh table as after loading, and unsaved.
    void takePaintedPicture(QImage picture);

    // "Code generieren": headers back to the register addresses, the log replaced by the code.
    void CodeGenerieren();
    // The RAM image's bytes, logged one line per byte (the window empties the log first).
    QByteArray AtariRam();
    // "Atari RAM speichern" after the dialog: image built, logged and written to the file.
    void SaveAtariRam(const QString& fileName);
    // "Windows Bild speichern" after the dialog: the picture as a 32-bit bitmap file.
    void SavePicture(const QString& fileName);

signals:
    // Many cells (or the size) of the table changed.
    void tableChanged();
    // One cell's text changed.
    void cellChanged(int column, int row);
    // The picture was replaced, or pixels in the rectangle changed.
    void pictureReplaced();
    void pixelsChanged(QRect area);
    // The painted state may have changed: a pixel painted, the picture replaced or saved.
    void workChanged();

private:
    // The picture in place, with a fresh table; announced.
    void replacePicture(QImage picture, bool painted);

    QImage mPicture;
    RegisterTable mTable;
    ConverterLog mLog;
    bool mPainted = false;
};
