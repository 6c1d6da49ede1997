#pragma once

#include <QStringList>

class QFont;
class QWidget;

// The texts of a window laid out at fixed places that would not be read in full: a label that
// runs into the next control of its row, out of its parent or out of its own box, a button
// caption wider or taller than the button's room, a group title wider than its frame. Widths
// are those of the text as drawn, every character in the font that draws it (fallback fonts
// for Chinese included). One line per fault, naming the control, the text, the font and the
// room; empty when every text fits.
QStringList IllegibleTexts(QWidget* window);

// The families that draw the text in this font: the font itself for the characters it has,
// fallback fonts for the others.
QStringList DrawingFamilies(const QString& text, const QFont& font);
