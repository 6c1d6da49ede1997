#pragma once

#include <QByteArray>

// The text layer of the PDF pictures. Qt's PDF writer tells readers which character each
// embedded glyph stands for by the lowest code point the font maps to that glyph, and CJK fonts
// (Noto Sans CJK among them) draw many radicals with the glyph of their ideograph: 力 comes out
// of the PDF as the Kangxi radical ⼒ (U+2F12), 长 as ⻓ (U+2ED3), and a search for 应力 finds
// nothing.

// The unified ideograph that CJK fonts draw with the glyph of a Kangxi radical (U+2F00–U+2FDF)
// or of a CJK Radicals Supplement character (U+2E80–U+2EFF); any other code point, and a radical
// no font shares with an ideograph, unchanged.
char32_t IdeographOfRadical(char32_t codePoint);

// The PDF with every radical in its ToUnicode maps read as its ideograph, the stream lengths,
// cross-reference offsets and startxref moved with them. A PDF whose maps name no radical is
// returned byte for byte, and so is one not laid out as Qt writes its PDFs (one classic
// cross-reference table, uncompressed ToUnicode streams of a direct /Length).
QByteArray WithIdeographsForRadicals(const QByteArray& pdf);
