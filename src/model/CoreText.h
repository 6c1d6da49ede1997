#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The messages of the Qt-free core are written in English and go through translate(), which
// hands them to whatever translator the program installed: the window and the command line
// install Qt's (so a Chinese user reads them in Chinese), tests and tools that install none
// get the English text unchanged. lupdate finds the texts by the name translate() and by
// QT_TRANSLATE_NOOP, which marks texts kept in tables and translated where they are used.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace coretext {

using Translator = std::string (*)(const char* context, const char* source);

// nullptr goes back to English.
void SetTranslator(Translator translator);

// The source text in the user's language, UTF-8.
std::string translate(const char* context, const char* source);

// The pattern with %1 to %9 replaced by the arguments, in one pass: a "%" inside an argument
// stays as it is. A translation may put the placeholders in another order.
std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace coretext
