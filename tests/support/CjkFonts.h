#pragma once

#include <QString>
#include <QTest>

class QFont;

// The tests that draw Chinese run with the machine's fonts and again with each CJK font alone
// (tests/fonts/*.conf through FONTCONFIG_FILE), TARVOLIN_TEST_CJK_FONT naming that font's family
// as fontconfig may give it ("WenQuanYi Micro Hei|文泉驿微米黑").
struct CjkFontSetUp {
    QString skip;   // why this run is skipped: the font it is about is not installed
    QString fault;  // why the run would not measure that font: Han text drawn by another one
};
CjkFontSetUp CheckCjkFontSetUp();

// In a test's initTestCase: skips the run whose font is not installed, fails the run whose Han
// text another font draws.
#define REQUIRE_CJK_FONT_SET_UP()                                                                  \
    do {                                                                                           \
        const CjkFontSetUp cjkFonts = CheckCjkFontSetUp();                                         \
        if (!cjkFonts.skip.isEmpty())                                                              \
            QSKIP(qPrintable(cjkFonts.skip));                                                      \
        QVERIFY2(cjkFonts.fault.isEmpty(), qPrintable(cjkFonts.fault));                           \
    } while (false)

// The characters of text that the font and its fallbacks draw as the missing-glyph box: a
// text measured with boxes says nothing about how it fits.
QString CharactersWithoutGlyphs(const QString& text, const QFont& font);
