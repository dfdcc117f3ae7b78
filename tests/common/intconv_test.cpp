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

TEST(IntConv, NumbersAtThe32BitEdgesAndLongTokens)
{
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"2147483647", 2147483647},
        {"+2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", -2147483647 - 1},
        {"-2147483649", std::nullopt},
        {"4294967295", std::nullopt},
        {"4294967296", std::nullopt},
        {"6666666661", std::nullopt},               // 10 digits: the value a 32-bit product wraps to is 0-127
        {"0000000127", 127},                        // 10 digits
        {"00000000127", 127},                       // 11 digits
        {"21474836470", std::nullopt},              // 11 digits
        {"-00000000001", -1},                       // 11 digits
        {"00000000000000000127", 127},              // 20 digits
        {"18446744073709551616", std::nullopt},     // 20 digits, 2^64
        {"18446744073709551743", std::nullopt},     // 20 digits, 2^64 + 127: wraps to 127 in 64 bits
        {"-99999999999999999999", std::nullopt},    // 20 digits
        {"$7FFFFFFF", 2147483647},
        {"$80000000", -2147483647 - 1},
        {"-$80000000", -2147483647 - 1},
        {"$FFFFFFFF", -1},
        {"-$FFFFFFFF", 1},
        {"$100000000", std::nullopt},
        {"$0000000000000000007F", 127},             // 20 hex digits
        {"$1000000000000000007F", std::nullopt},    // 20 hex digits: wraps to 127 in 64 bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(TryStrToInt(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(Errors, ConversionErrorShowsControlCharactersOfTheValue)
{
    const QString text = QStringLiteral("12") + QChar(0) + QStringLiteral("3\x01");
    try {
        StrToInt(text);
        ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'12\\03\\x01' ist kein gültiger Integerwert"));
    }
}

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
