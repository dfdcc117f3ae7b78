// The companion runs on Qt Core alone; its picture commands come from the module beside it.
#include "support/clirun.h"
#include "support/testutil.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CliModule, LinksNoQtGui)
{
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {QCoreApplication::applicationDirPath() + QStringLiteral("/tavrel-cli")});
    ASSERT_TRUE(ldd.waitForFinished(30000));
    const QByteArray libraries = ldd.readAllStandardOutput();
    EXPECT_TRUE(libraries.contains("libQt6Core")) << libraries.toStdString();
    EXPECT_FALSE(libraries.contains("libQt6Gui")) << libraries.toStdString();
}

TEST(CliModule, PictureCommandWithoutTheModule)
{
    // A copy of the companion alone in a folder: its own commands run, a picture command says what is
    // missing and fails.
    QTemporaryDir dir;
    const QString alone = dir.filePath(QStringLiteral("tavrel-cli"));
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/tavrel-cli"), alone));
    QProcess help;
    help.start(alone, {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(30000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().contains("render-level DATEI.la8"));
    // render-level draws the cells and the overlays itself (here it only finds no font file).
    for (const bool overlays : {false, true}) {
        QStringList args{QStringLiteral("render-level"), QStringLiteral("x.la8"), QStringLiteral("--font"),
                         QStringLiteral("x.fa8"), QStringLiteral("-o"), dir.filePath(QStringLiteral("x.png"))};
        if (overlays)
            args << QStringLiteral("--overlays");
        QProcess render;
        render.start(alone, args);
        ASSERT_TRUE(render.waitForFinished(30000));
        EXPECT_EQ(render.exitCode(), 1);
        EXPECT_TRUE(render.readAllStandardError().startsWith("Datei ")) << overlays;
    }
}
