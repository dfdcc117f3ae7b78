// The one integer conversion and the texts of the error family.
#include "common/errors.h"
#include "common/intconv.h"

#include <gtest/gtest.h>

namespace {

struct Accepted {
    const char* text;
    int value;
};

class IntConvAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(IntConvAccepts, GivesTheValue)
{
    const QString text = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(TryStrToInt(text), std::optional<int>(GetParam().value)) << GetParam().text;
    EXPECT_EQ(StrToInt(text), GetParam().value) << GetParam().text;
    EXPECT_EQ(StrToIntDef(text, 4711), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, IntConvAccepts,
    ::testing::Values(Accepted{"0", 0}, Accepted{"255", 255}, Accepted{"007", 7}, Accepted{"   42", 42},
        Accepted{"+5", 5}, Accepted{"-5", -5}, Accepted{"  -17", -17}, Accepted{"$FF", 255},
        Accepted{"$ff", 255}, Accepted{"$0a", 10}, Accepted{"-$10", -16}, Accepted{" $7FFFFFFF", 2147483647},
        Accepted{"$FFFFFFFF", -1}, Accepted{"2147483647", 2147483647}, Accepted{"-2147483648", -2147483647 - 1}));

class IntConvRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(IntConvRejects, FailsWithTheConversionError)
{
    const QString text = QString::fromUtf8(GetParam());
    EXPECT_EQ(TryStrToInt(text), std::nullopt) << GetParam();
    EXPECT_EQ(StrToIntDef(text, 4711), 4711) << GetParam();
    try {
        StrToInt(text);
        ADD_FAILURE() << "no error for '" << GetParam() << "'";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, IntConvRejects,
    ::testing::Values("", " ", "   ", "12a", "a12", "$", "-", "+", "1 2", "12 ", "$G0", "$1G", "--1", "+-1",
        "1.5", "0x10", "2147483648", "-2147483649", "99999999999", "$100000000", "$ FF", "٣"));

TEST(Errors, TextsAreTheProgramsOwn)
{
    EXPECT_EQ(ConversionError(QStringLiteral("xyz")).message(), QStringLiteral("'xyz' ist kein gültiger Integerwert"));
    EXPECT_EQ(FileOpenError(QStringLiteral("/a/b.fa8"), QStringLiteral("No such file or directory")).message(),
        QStringLiteral("Datei /a/b.fa8 kann nicht geöffnet werden. No such file or directory"));
    EXPECT_EQ(FileCreateError(QStringLiteral("/a/b.fa8"), QStringLiteral("Permission denied")).message(),
        QStringLiteral("Datei \"/a/b.fa8\" kann nicht erstellt werden. Permission denied"));
    EXPECT_EQ(StreamReadError().message(), QStringLiteral("Stream-Lesefehler"));
    // what() carries the same text, so a handler that only knows std::exception shows it too.
    EXPECT_EQ(QString::fromStdString(ConversionError(QStringLiteral("ü")).what()),
        QStringLiteral("'ü' ist kein gültiger Integerwert"));
}

} // namespace
