// The level picture's zoom steps and the view settings read back from a settings file that may hold anything.
#include "common/programsettings.h"
#include "level/levelzoom.h"

#include <gtest/gtest.h>
#include <limits>

TEST(LevelZoom, StepsInOutAndByWheel)
{
    struct Case {
        double from;
        double in;
        double out;
    };
    // 22.3 is "Ganzer Level" in a narrow window: the steps go on from the next one.
    for (const Case& c : {Case{25, 50, 25}, Case{50, 100, 25}, Case{100, 200, 50}, Case{200, 200, 100},
                          Case{22.3, 25, 22.3}, Case{70, 100, 50}}) {
        EXPECT_DOUBLE_EQ(LevelZoom::In(c.from), c.in) << c.from;
        EXPECT_DOUBLE_EQ(LevelZoom::Out(c.from), c.out) << c.from;
    }
    EXPECT_DOUBLE_EQ(LevelZoom::Wheel(100, 120), 200);
    EXPECT_DOUBLE_EQ(LevelZoom::Wheel(100, -240), 25);
    // Less than a notch (a touchpad's small steps) changes nothing.
    EXPECT_DOUBLE_EQ(LevelZoom::Wheel(100, 60), 100);
    EXPECT_DOUBLE_EQ(LevelZoom::WholeLevel(1024), 25);
    EXPECT_DOUBLE_EQ(LevelZoom::WholeLevel(4096), 100);
    EXPECT_DOUBLE_EQ(LevelZoom::WholeLevel(20000), 200);
    EXPECT_DOUBLE_EQ(LevelZoom::WholeLevel(0), LevelZoom::kSmallest);
}

TEST(LevelZoom, SettingsOutOfRangeReadAsTheDefault)
{
    QSettings settings = ProgramSettings();
    for (const QVariant& stored : {QVariant(QStringLiteral("groß")), QVariant(0), QVariant(-50), QVariant(1e9),
                                   QVariant(std::numeric_limits<double>::quiet_NaN())}) {
        settings.setValue(QStringLiteral("level/zoom"), stored);
        settings.sync();
        EXPECT_DOUBLE_EQ(LevelViewSettings::load().zoom, 100) << stored.toString().toStdString();
    }
    LevelViewSettings view{50, true};
    view.save();
    EXPECT_DOUBLE_EQ(LevelViewSettings::load().zoom, 50);
    EXPECT_TRUE(LevelViewSettings::load().grid);
    settings.remove(QStringLiteral("level/zoom"));
    settings.remove(QStringLiteral("level/gitter"));
}
