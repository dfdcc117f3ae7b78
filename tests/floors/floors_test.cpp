// The include lines of src/ against the floors: models at the bottom, the windows above them, the programs on top.
#include "floors/includefloors.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QSet<QString> Lines(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    QSet<QString> lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            lines.insert(QString::fromUtf8(line.trimmed()));
    return lines;
}

QSet<QString> QtGuiHeaders()
{
    QSet<QString> names;
    for (QDirIterator it(QStringLiteral(TAVREL_QTGUI_INCLUDES), QDir::Files); it.hasNext();)
        names.insert(QFileInfo(it.next()).fileName());
    return names;
}

void Write(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST(Floors, TheSourceTreeKeepsThem)
{
    const FloorCheck check{QStringLiteral(TAVREL_SOURCE_DIR), Lines(QStringLiteral(TAVREL_CORE_FILES)), QtGuiHeaders()};
    ASSERT_GT(check.coreFiles.size(), 20);
    ASSERT_TRUE(check.qtGuiHeaders.contains(QStringLiteral("QColor")));
    const QStringList faults = FloorFaults(check);
    EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join(QLatin1Char('\n')));
}

namespace {

// A clean tree of three floors and the roof.
QString CleanTree(const QTemporaryDir& dir)
{
    const QString src = dir.filePath(QStringLiteral("src"));
    Write(src + QStringLiteral("/common/base.h"), "#pragma once\n#include <QString>\n");
    Write(src + QStringLiteral("/palette/tint.h"), "#include \"common/base.h\"\n");
    Write(src + QStringLiteral("/gui/palette/tintwindow.h"), "#include \"palette/tint.h\"\n#include <QWidget>\n");
    Write(src + QStringLiteral("/app/windowset.h"), "#include \"gui/palette/tintwindow.h\"\n");
    return src;
}

const QSet<QString> kGuiHeaders = {QStringLiteral("QColor"), QStringLiteral("QImage")};

} // namespace

TEST(Floors, ACleanTreeHasNoFault)
{
    QTemporaryDir dir;
    const QString src = CleanTree(dir);
    const QStringList faults =
        FloorFaults({src, {QStringLiteral("common/base.h"), QStringLiteral("palette/tint.h")}, kGuiHeaders});
    EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join(QLatin1Char('\n')));
}

// Each fault added to the clean tree is named, and nothing else is.
TEST(Floors, EachKindOfFaultIsNamed)
{
    const struct {
        const char* file;
        const char* text;
        const char* fault;
    } cases[] = {
        {"common/up.h", "#include \"palette/tint.h\"\n",
         "common/up.h (common) includes palette/tint.h (palette) against the floors"},
        {"palette/win.h", "#include \"gui/palette/tintwindow.h\"\n",
         "palette/win.h (palette) includes gui/palette/tintwindow.h (gui/palette) against the floors"},
        {"gui/level/other.h", "#include \"gui/palette/tintwindow.h\"\n",
         "gui/level/other.h (gui/level) includes gui/palette/tintwindow.h (gui/palette) against the floors"},
        {"gui/common/roof.h", "#include \"app/windowset.h\"\n",
         "gui/common/roof.h (gui/common) includes app/windowset.h (app) against the floors"},
        {"palette/tint.cpp", "#include \"palette/tint.h\"\n#include <QColor>\n",
         "palette/tint.cpp is built on Qt Core alone but includes <QColor>"},
        {"palette/shade.cpp", "#include <QtGui/QImage>\n",
         "palette/shade.cpp is built on Qt Core alone but includes <QtGui/QImage>"},
        {"palette/paint.cpp", "#include \"palette/picture.h\"\n",
         "palette/paint.cpp is built on Qt Core alone but includes palette/picture.h, which needs Qt Gui"},
        {"common/base.cpp", "#include \"common/base.h\"\n#include \"common/more.h\"\n",
         "files include each other in a circle: common/base -> common/more -> common/base"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString src = CleanTree(dir);
        Write(src + QStringLiteral("/palette/picture.h"), "#include <QImage>\n");
        Write(src + QStringLiteral("/common/more.h"), "#include \"common/base.h\"\n");
        Write(src + QLatin1Char('/') + QString::fromLatin1(c.file), c.text);
        const QSet<QString> core = {QStringLiteral("common/base.h"), QStringLiteral("common/base.cpp"),
                                    QStringLiteral("common/more.h"), QStringLiteral("common/up.h"),
                                    QStringLiteral("palette/tint.h"), QStringLiteral("palette/tint.cpp"),
                                    QStringLiteral("palette/shade.cpp"),
                                    QStringLiteral("palette/paint.cpp")};
        // An arrow upwards also closes a circle between the two folders; the arrow itself is named.
        const QStringList faults = FloorFaults({src, core, kGuiHeaders});
        EXPECT_TRUE(faults.contains(QString::fromUtf8(c.fault))) << c.file << ":\n"
                                                                  << qPrintable(faults.join(QLatin1Char('\n')));
    }
}
