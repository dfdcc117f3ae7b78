// Turning the standard export text into each assembler's syntax, line by line.
#include "common/asmdialect.h"

#include "common/intconv.h"

namespace {

// The longest data line handed to dasm: it crashes on the 128-value level lines.
constexpr int kDasmValuesPerLine = 16;

const QString kByte = QStringLiteral(".byte");
const QString kAlign = QStringLiteral(".align");

QString ByteDirective(AsmDialect dialect)
{
    return dialect == AsmDialect::Acme ? QStringLiteral("!byte") : kByte;
}

qsizetype IndentOf(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    return i;
}

// Start of the comment after `from` ("//" or ";"), and the length of its marker; -1 when none.
qsizetype CommentStart(const QString& line, qsizetype from, qsizetype& markerLength)
{
    const qsizetype slashes = line.indexOf(QStringLiteral("//"), from);
    const qsizetype semicolon = line.indexOf(QLatin1Char(';'), from);
    if (slashes >= 0 && (semicolon < 0 || slashes < semicolon)) {
        markerLength = 2;
        return slashes;
    }
    markerLength = 1;
    return semicolon;
}

// The lines that pad to a multiple of `operand` (a power of two) with zeros. Every dialect fills
// explicitly: left to themselves, acme pads with NOPs and 64tass leaves a gap that a plain output
// file does not hold. ca65 aligns in the linker, which honours it only for a segment declared with
// that alignment; the assertion makes any other placement a link error instead of a shifted font.
QStringList AlignLines(AsmDialect dialect, const QString& indent, const QString& operand, const QString& comment)
{
    const auto size = TryStrToInt(operand);
    if (!size || *size <= 1 || (*size & (*size - 1)) != 0)
        return {};
    const QString mask = QStringLiteral("$%1").arg(*size - 1, 0, 16).toUpper();
    switch (dialect) {
    case AsmDialect::Ca65:
        return {indent + kAlign + QLatin1Char(' ') + operand + comment,
                indent + QStringLiteral(".assert (* & %1) = 0, error, \"nicht auf %2 Bytes ausgerichtet\"")
                             .arg(mask)
                             .arg(*size)};
    case AsmDialect::Xa:
        return {indent + QStringLiteral(".dsb (-*) & %1, 0").arg(mask) + comment};
    case AsmDialect::Dasm:
        return {indent + QStringLiteral("align ") + operand + QStringLiteral(", 0") + comment};
    case AsmDialect::Acme:
        return {indent + QStringLiteral("!align %1, 0, 0").arg(mask) + comment};
    case AsmDialect::Tass64:
        return {indent + kAlign + QLatin1Char(' ') + operand + QStringLiteral(", 0") + comment};
    case AsmDialect::Standard:
        break;
    }
    return {};
}

// A data line: the label (with its colon, or empty), the body's indent and the values after the
// directive, as they stand.
QStringList ByteLines(AsmDialect dialect, const QString& label, const QString& indent, const QString& values,
                      const QString& comment)
{
    const QString directive = ByteDirective(dialect);
    const QStringList items = values.split(QLatin1Char(','));
    if (dialect != AsmDialect::Dasm || items.size() <= kDasmValuesPerLine)
        return {label + indent + directive + values + comment};
    // The label on a line of its own in column 0, the values in indented pieces under it.
    QStringList lines;
    if (!label.isEmpty())
        lines << label;
    const QString pieceIndent = indent.isEmpty() ? QStringLiteral("        ") : indent;
    for (qsizetype i = 0; i < items.size(); i += kDasmValuesPerLine) {
        QStringList piece;
        for (const QString& item : items.mid(i, kDasmValuesPerLine))
            piece << item.trimmed();
        lines << pieceIndent + directive + QLatin1Char(' ') + piece.join(QStringLiteral(", "));
    }
    lines.last() += comment;
    return lines;
}

} // namespace

QString AsmDialectName(AsmDialect dialect)
{
    switch (dialect) {
    case AsmDialect::Standard:
        return QStringLiteral("standard");
    case AsmDialect::Ca65:
        return QStringLiteral("ca65");
    case AsmDialect::Xa:
        return QStringLiteral("xa");
    case AsmDialect::Dasm:
        return QStringLiteral("dasm");
    case AsmDialect::Acme:
        return QStringLiteral("acme");
    case AsmDialect::Tass64:
        return QStringLiteral("64tass");
    }
    return QString();
}

std::optional<AsmDialect> AsmDialectFromName(const QString& name)
{
    for (const AsmDialect d : kAsmDialects)
        if (name.compare(AsmDialectName(d), Qt::CaseInsensitive) == 0)
            return d;
    return std::nullopt;
}

QString AsmDialectCaption(AsmDialect dialect)
{
    return dialect == AsmDialect::Standard ? QStringLiteral("Standard") : AsmDialectName(dialect);
}

QStringList DialectLines(AsmDialect dialect, const QString& line)
{
    if (dialect == AsmDialect::Standard)
        return {line};
    const qsizetype first = IndentOf(line);
    if (first == line.size() || line[first] == QLatin1Char(';'))
        return {line};
    if (QStringView(line).mid(first).startsWith(QLatin1String("//")))
        return {line.left(first) + QLatin1Char(';') + line.mid(first + 2)};

    // A label stands in column 0 and ends with the first colon.
    qsizetype bodyStart = 0;
    if (first == 0) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon >= 0)
            bodyStart = colon + 1;
    }
    qsizetype markerLength = 0;
    const qsizetype commentAt = CommentStart(line, bodyStart, markerLength);
    const QString label = line.left(bodyStart);
    const QString body = line.mid(bodyStart, commentAt < 0 ? -1 : commentAt - bodyStart);
    const QString comment = commentAt < 0 ? QString() : QLatin1Char(';') + line.mid(commentAt + markerLength);

    const qsizetype indent = IndentOf(body);
    const QStringView word = QStringView(body).mid(indent).split(QLatin1Char(' ')).first();
    const QString rest = body.mid(indent + word.size());
    if (word == kByte)
        return ByteLines(dialect, label, body.left(indent), rest, comment);
    if (word == kAlign && label.isEmpty()) {
        const QStringList aligned = AlignLines(dialect, body.left(indent), rest.trimmed(), comment);
        if (!aligned.isEmpty())
            return aligned;
    }
    return {label + body + comment};
}

QStringList DialectLines(AsmDialect dialect, const QStringList& lines)
{
    if (dialect == AsmDialect::Standard)
        return lines;
    QStringList out;
    out.reserve(lines.size());
    for (const QString& line : lines)
        out << DialectLines(dialect, line);
    return out;
}
