#pragma once

#include <QString>

class QFont;

// The tests that draw Chinese run with the machine's fonts and again with each CJK font alone
// (tests/fonts/*.conf through FONTCONFIG_FILE), TARVOLIN_TEST_CJK_FONT naming that font's family
// as fontconfig may give it ("WenQuanYi Micro Hei|文泉驿微米黑").
struct CjkFontSetUp {
    QString skip;   // why this run is skipped: the font it is about is not installed
    QString fault;  // why the run would not measure that font: Han text drawn by another one
};
CjkFontSetUp CheckCjkFontSetUp();

// The characters of text that the font and its fallbacks draw as the missing-glyph box: a
// text measured with boxes says nothing about how it fits.
QString CharactersWithoutGlyphs(const QString& text, const QFont& font);
