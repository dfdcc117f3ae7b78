// tavrel-cli picture: load and quantise a picture as the graphics converter does, analyse it and
// write the code, the RAM image, the table and the quantised picture that were asked for.
#include "cli/command.h"
#include "cli/picturecommands.h"

#include "common/bytefile.h"
#include "common/textfile.h"
#include "converter/graphicsconverter.h"
#include "converter/graphicsexport.h"

namespace {

// Rows 0 ... H and columns 0 ... 19 as the window shows them, comma-separated.
QStringList TableLines(const RegisterTable& table)
{
    QStringList lines;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < RegisterTable::kShownColumns; ++column)
            cells << table.cell(column, row);
        lines << cells.join(QLatin1Char(','));
    }
    return lines;
}

int RunPicture(const QStringList& argv)
{
    const QString code = QStringLiteral("--code");
    const QString ram = QStringLiteral("--ram");
    const QString table = QStringLiteral("--table");
    const QString picture = QStringLiteral("--picture");
    const CliArguments args(argv, {code, ram, table, picture, kDialectOption});
    const QStringList& files =
        args.positionals(2, QStringLiteral("eine Analyse (compact oder isolated) und eine Bilddatei erwartet"));
    const QString analysis = files.at(0);
    if (analysis != QLatin1String("compact") && analysis != QLatin1String("isolated"))
        throw UsageError{QStringLiteral("unbekannte Analyse %1").arg(analysis)};
    const AsmDialect dialect = DialectArgument(args);

    // As the window on a fresh start: the table reset with the address headers, then the load.
    GraphicsConverter converter;
    converter.ResetRegisterTable(GraphicsConverter::Headers::RegisterAddresses);
    converter.LoadPicture(files.at(1));
    if (analysis == QLatin1String("compact"))
        converter.ErmittleFarbenKompakt();
    else
        converter.ErmittleFarbenIsoliert();

    // All outputs or none: they are saved together, so a failing one leaves every old file as it was.
    QList<std::pair<QString, QByteArray>> outputs;
    if (args.has(code)) {
        converter.CodeGenerieren();
        outputs.append({args.value(code), JoinWindows1252Lines(DialectLines(dialect, converter.log().lines()))});
    }
    if (args.has(ram))
        outputs.append({args.value(ram), AtariRamImage(converter.picture(), converter.table())});
    if (args.has(table))
        outputs.append({args.value(table), JoinWindows1252Lines(TableLines(converter.table()))});
    if (args.has(picture))
        outputs.append({args.value(picture), WindowsBitmap32(converter.picture())});
    WriteByteFiles(outputs);
    return 0;
}

const PictureRegistration picture("picture", RunPicture);

} // namespace
