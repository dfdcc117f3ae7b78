// Number fields take every typed number and bring it to the nearer limit when the typing ends.
#include "gui/common/rangespinbox.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct TypedCase {
    int minimum;
    int maximum;
    const char* typed;
    int value;
};

class RangeSpinBoxTyping : public ::testing::TestWithParam<TypedCase> {};

} // namespace

TEST_P(RangeSpinBoxTyping, FocusLossBringsTheTypedValueToTheNearerLimit)
{
    const TypedCase c = GetParam();
    QWidget window;
    auto* spin = new RangeSpinBox(c.minimum, c.maximum, c.minimum, &window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    spin->setFocus();
    spin->selectAll();
    if (*c.typed)
        QTest::keyClicks(spin, QString::fromLatin1(c.typed));
    else
        QTest::keyClick(spin, Qt::Key_Delete);
    EXPECT_EQ(spin->text(), QString::fromLatin1(c.typed)) << "no keystroke is dropped";
    other->setFocus();
    EXPECT_EQ(spin->value(), c.value);
    EXPECT_EQ(spin->text(), QString::number(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeSpinBoxTyping,
    ::testing::Values(TypedCase{1, 64, "99", 64}, TypedCase{1, 64, "65", 64}, TypedCase{1, 64, "0", 1},
                      TypedCase{1, 100, "250", 100}, TypedCase{1, 8, "-3", 1}, TypedCase{1, 64, "", 1},
                      TypedCase{1, 64, "37", 37},
                      TypedCase{-std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), "99999999999",
                                std::numeric_limits<int>::max()}));

TEST(RangeSpinBox, ReturnAlsoEndsTheTypingAndLettersAreNotTaken)
{
    RangeSpinBox spin(1, 64, 1);
    spin.show();
    spin.selectAll();
    QTest::keyClicks(&spin, QStringLiteral("9a9"));
    EXPECT_EQ(spin.text(), QStringLiteral("99"));
    QTest::keyClick(&spin, Qt::Key_Return);
    EXPECT_EQ(spin.value(), 64);
    spin.setValue(500);
    EXPECT_EQ(spin.value(), 64) << "a value set from code is limited too";
}
