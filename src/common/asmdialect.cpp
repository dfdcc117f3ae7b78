// Turning the standard export text into each assembler's syntax, line by line.
#include "common/asmdialect.h"

#include "common/intconv.h"

#include <algorithm>

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

// A label's name: a letter, "_" or "@", then letters, digits, "_", "." or "@".
bool IsLabelName(QStringView name)
{
    if (name.isEmpty() || !(name[0].isLetter() || name[0] == QLatin1Char('_') || name[0] == QLatin1Char('@')))
        return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.') || c == QLatin1Char('@');
    });
}

// A comment in the dialect, the text after its marker as it stands. xa ends a statement at every
// colon, even in a ";" comment, and would read what follows as a label or an instruction: there a
// comment holding a colon is a C comment, which its preprocessor drops whole.
QString DialectComment(AsmDialect dialect, const QString& text)
{
    if (dialect != AsmDialect::Xa || !text.contains(QLatin1Char(':')))
        return QLatin1Char(';') + text;
    QString inner = text;
    inner.replace(QStringLiteral("*/"), QStringLiteral("* /"));
    return QStringLiteral("/*") + inner + QStringLiteral(" */");
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
    // dasm reads whatever stands in column 0 as a label, a directive too.
    const QString dasmIndent = indent.isEmpty() ? QStringLiteral("        ") : indent;
    if (dialect != AsmDialect::Dasm)
        return {label + indent + directive + values + comment};
    if (items.size() <= kDasmValuesPerLine)
        return {label + (label.isEmpty() ? dasmIndent : indent) + directive + values + comment};
    // The label on a line of its own in column 0, the values in indented pieces under it.
    QStringList lines;
    if (!label.isEmpty())
        lines << label;
    const QString& pieceIndent = dasmIndent;
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
    if (first == line.size())
        return {line};
    if (line[first] == QLatin1Char(';'))
        return {line.left(first) + DialectComment(dialect, line.mid(first + 1))};
    if (QStringView(line).mid(first).startsWith(QLatin1String("//")))
        return {line.left(first) + DialectComment(dialect, line.mid(first + 2))};

    // A label stands in column 0: a name ended by a colon. A colon anywhere else (in a comment, after
    // a directive) makes no label.
    qsizetype bodyStart = 0;
    if (first == 0) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon >= 0 && IsLabelName(QStringView(line).left(colon)))
            bodyStart = colon + 1;
    }
    qsizetype markerLength = 0;
    const qsizetype commentAt = CommentStart(line, bodyStart, markerLength);
    const QString label = line.left(bodyStart);
    const QString body = line.mid(bodyStart, commentAt < 0 ? -1 : commentAt - bodyStart);
    const QString comment = commentAt < 0 ? QString() : DialectComment(dialect, line.mid(commentAt + markerLength));

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
