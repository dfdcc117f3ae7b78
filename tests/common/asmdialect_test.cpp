// The dialect lines of standard export lines: what is kept as it stands and what is rewritten.
#include "common/asmdialect.h"

#include <gtest/gtest.h>

TEST(AsmDialect, NamesAreTakenInAnyCase)
{
    for (const AsmDialect d : kAsmDialects)
        EXPECT_EQ(AsmDialectFromName(AsmDialectName(d).toUpper()), d);
    EXPECT_EQ(AsmDialectFromName(QStringLiteral("64TASS")), AsmDialect::Tass64);
    EXPECT_FALSE(AsmDialectFromName(QStringLiteral("masm")));
    EXPECT_FALSE(AsmDialectFromName(QString()));
}

TEST(AsmDialect, LinesKeepTheirLayoutAndOnlyTheSyntaxChanges)
{
    const struct {
        AsmDialect dialect;
        const char* standard;
        QStringList expected;
    } cases[] = {
        {AsmDialect::Standard, "   .align $400", {"   .align $400"}},
        {AsmDialect::Xa, "//# Made with Tavrel     ", {";# Made with Tavrel     "}},
        {AsmDialect::Dasm, "   //pre2", {"   ;pre2"}},
        {AsmDialect::Ca65, ";------------------", {";------------------"}},
        {AsmDialect::Acme, "", {""}},
        // Instructions, and the empty operand the user fills in, stay as they are.
        {AsmDialect::Acme, "        LDA ", {"        LDA "}},
        {AsmDialect::Dasm, "        STA WSYNC ", {"        STA WSYNC "}},
        {AsmDialect::Acme, "        .byte 0, 60 // Bank 3 / Zeichen 17", {"        !byte 0, 60 ; Bank 3 / Zeichen 17"}},
        {AsmDialect::Tass64, "Player0Shape1:  .byte 24, 60  ; Player 0 Line1", {"Player0Shape1:  .byte 24, 60  ; Player 0 Line1"}},
        {AsmDialect::Acme, "OriginalColorLine1: .byte $90,$06", {"OriginalColorLine1: !byte $90,$06"}},
        {AsmDialect::Xa, "   .align $400", {"   .dsb (-*) & $3FF, 0"}},
        {AsmDialect::Dasm, "   .align $400", {"   align $400, 0"}},
        {AsmDialect::Tass64, "   .align $400", {"   .align $400, 0"}},
        {AsmDialect::Ca65, "   .align $400",
         {"   .align $400", "   .assert (* & $3FF) = 0, error, \"nicht auf 1024 Bytes ausgerichtet\""}},
        // dasm takes at most 16 values a line, the label standing alone in column 0.
        {AsmDialect::Dasm, "LevelLine1:   .byte 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17",
         {"LevelLine1:", "   .byte 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16", "   .byte 17"}},
        {AsmDialect::Dasm, "L:  .byte 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16", {"L:  .byte 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16"}},
        {AsmDialect::Ca65, "LevelLine1:   .byte 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17",
         {"LevelLine1:   .byte 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17"}},
        // A colon in a comment or after a directive makes no label.
        {AsmDialect::Acme, ".byte 1,2,3 // Zeile 1: Farben", {"!byte 1,2,3 ; Zeile 1: Farben"}},
        {AsmDialect::Ca65, ".byte 1,2,3//a:b", {".byte 1,2,3;a:b"}},
        {AsmDialect::Dasm, ".byte 1,2,3 // Zeile 1: Farben", {"        .byte 1,2,3 ; Zeile 1: Farben"}},
        {AsmDialect::Dasm, ".byte 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17 // Zeile 1: Farben",
         {"        .byte 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16", "        .byte 17; Zeile 1: Farben"}},
        {AsmDialect::Tass64, "Daten: .byte 1 // Zeile 2: mit Marke", {"Daten: .byte 1 ; Zeile 2: mit Marke"}},
        // xa would take what follows a colon in a ";" comment as a statement.
        {AsmDialect::Xa, ".byte 1,2,3 // Zeile 1: Farben */ lda", {".byte 1,2,3 /* Zeile 1: Farben * / lda */"}},
        {AsmDialect::Xa, "  // Hinweis: lda #1", {"  /* Hinweis: lda #1 */"}},
        {AsmDialect::Xa, "; Hinweis: lda #1", {"/* Hinweis: lda #1 */"}},
        {AsmDialect::Xa, ".byte 1 // ohne Doppelpunkt", {".byte 1 ; ohne Doppelpunkt"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DialectLines(c.dialect, QString::fromLatin1(c.standard)), c.expected)
            << AsmDialectName(c.dialect).toStdString() << ": " << c.standard;
}
