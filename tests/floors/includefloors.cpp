// The floors of src/ and the check of every include line against them.
#include "floors/includefloors.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <functional>

namespace {

// The room a file lives in: the first folder, or gui/<subsystem> for a window.
QString RoomOf(const QString& relativePath)
{
    const QStringList parts = relativePath.split(QLatin1Char('/'));
    if (parts.size() > 2 && parts[0] == QLatin1String("gui"))
        return QStringLiteral("gui/") + parts[1];
    return parts[0];
}

// The rooms each model room may include besides itself, downwards only.
const QHash<QString, QStringList>& ModelFloors()
{
    static const QHash<QString, QStringList> floors = {
        {QStringLiteral("common"), {}},
        {QStringLiteral("palette"), {QStringLiteral("common")}},
        {QStringLiteral("pattern"), {QStringLiteral("common"), QStringLiteral("palette")}},
        {QStringLiteral("level"), {QStringLiteral("common"), QStringLiteral("palette"), QStringLiteral("pattern")}},
        {QStringLiteral("levelio"),
         {QStringLiteral("common"), QStringLiteral("palette"), QStringLiteral("pattern"), QStringLiteral("level")}},
        {QStringLiteral("disk"),
         {QStringLiteral("common"), QStringLiteral("palette"), QStringLiteral("pattern"), QStringLiteral("level"),
          QStringLiteral("levelio")}},
        {QStringLiteral("converter"), {QStringLiteral("common"), QStringLiteral("palette")}},
        {QStringLiteral("sound"), {QStringLiteral("common"), QStringLiteral("palette")}},
        {QStringLiteral("splitter"), {QStringLiteral("common")}},
    };
    return floors;
}

// Whether a file in room `from` may include a file in room `to`.
bool MayInclude(const QString& from, const QString& to)
{
    if (from == to || from == QLatin1String("app"))
        return true;
    const auto& models = ModelFloors();
    const bool toModel = models.contains(to);
    if (models.contains(from))
        return models.value(from).contains(to);
    if (from == QLatin1String("cli"))
        return toModel;
    if (from == QLatin1String("gui/common"))
        return toModel;
    if (from.startsWith(QLatin1String("gui/")))
        return toModel || to == QLatin1String("gui/common");
    return false; // a room the floors do not know yet: name it in the table first
}

struct Include {
    QString target;
    bool angled;
};

QList<Include> IncludesOf(const QString& path)
{
    static const QRegularExpression line(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"),
                                         QRegularExpression::MultilineOption);
    QFile file(path);
    QList<Include> found;
    if (!file.open(QIODevice::ReadOnly))
        return found;
    const QString text = QString::fromUtf8(file.readAll());
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        found.append({match.captured(2), match.captured(1) == QLatin1String("<")});
    }
    return found;
}

QString UnitOf(const QString& relativePath)
{
    const int dot = relativePath.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? relativePath : relativePath.left(dot);
}

// Depth-first search for circles in a graph of names; each circle is reported once, as found.
QStringList Circles(const QHash<QString, QSet<QString>>& graph, const QString& what)
{
    QStringList faults;
    QHash<QString, int> state; // 1: on the path, 2: done
    QStringList path;
    std::function<void(const QString&)> visit = [&](const QString& node) {
        state[node] = 1;
        path.append(node);
        QStringList next(graph.value(node).begin(), graph.value(node).end());
        next.sort();
        for (const QString& to : next) {
            if (state.value(to) == 1)
                faults << QStringLiteral("%1 include each other in a circle: %2 -> %3")
                              .arg(what, path.mid(path.indexOf(to)).join(QStringLiteral(" -> ")), to);
            else if (!state.contains(to))
                visit(to);
        }
        path.removeLast();
        state[node] = 2;
    };
    QStringList nodes(graph.keyBegin(), graph.keyEnd());
    nodes.sort();
    for (const QString& node : nodes)
        if (!state.contains(node))
            visit(node);
    return faults;
}

} // namespace

QStringList FloorFaults(const FloorCheck& check)
{
    const QDir root(check.sourceRoot);
    QStringList files;
    for (QDirIterator it(check.sourceRoot, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        files << root.relativeFilePath(it.next());
    files.sort();

    QStringList faults;
    QHash<QString, QSet<QString>> rooms, units;
    for (const QString& file : files) {
        const QString room = RoomOf(file);
        const bool core = check.coreFiles.contains(file);
        for (const Include& include : IncludesOf(root.filePath(file))) {
            if (include.angled) {
                const QString name = include.target.section(QLatin1Char('/'), -1);
                const bool gui = include.target.startsWith(QLatin1String("QtGui/")) ||
                                 (!include.target.contains(QLatin1Char('/')) && check.qtGuiHeaders.contains(name));
                if (core && gui)
                    faults << QStringLiteral("%1 is built on Qt Core alone but includes <%2>").arg(file, include.target);
                continue;
            }
            if (!root.exists(include.target))
                continue; // a header beside the file, or one CMake generates
            const QString to = RoomOf(include.target);
            if (!MayInclude(room, to))
                faults << QStringLiteral("%1 (%2) includes %3 (%4) against the floors").arg(file, room, include.target, to);
            if (core && !check.coreFiles.contains(include.target))
                faults << QStringLiteral("%1 is built on Qt Core alone but includes %2, which needs Qt Gui")
                              .arg(file, include.target);
            if (to != room)
                rooms[room].insert(to);
            if (UnitOf(include.target) != UnitOf(file))
                units[UnitOf(file)].insert(UnitOf(include.target));
        }
    }
    faults << Circles(rooms, QStringLiteral("folders")) << Circles(units, QStringLiteral("files"));
    return faults;
}
