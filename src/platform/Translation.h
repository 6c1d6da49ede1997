#pragma once

#include <QString>

// The interface language. Tarvolin speaks Simplified Chinese when the user's first choice of
// language is Chinese in simplified script (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG: zh,
// zh_CN, zh_SG); every other choice keeps the English texts, which are the source texts.
// Numbers do not follow the language: their decimal separator is LC_NUMERIC's.

// Whether the user's locale asks for the Chinese interface.
bool ChineseChosen();

// Loads Tarvolin's translation and Qt's own (for Qt's dialogs and buttons) when the locale asks
// for Chinese, hands the core's messages to them, and installs them into the application
// object when one exists. Call it at start-up and again once the application object is made;
// calling it more often does no harm.
void InstallTranslations();

namespace ui {

// The text in the interface language, with or without an application object (the command line
// answers --help before it makes one). lupdate finds the texts by this name.
QString translate(const char* context, const char* source);

}  // namespace ui
