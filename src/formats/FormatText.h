#pragma once

#include <QString>

// The texts of the readers and writers that use QtCore, in the user's language. They go through
// the core's translator (coretext), which the window and the command line both install: the
// command line reads and writes files before any application object exists, where
// QCoreApplication::translate would leave them English. lupdate finds the texts by the name
// translate().

namespace formattext {

QString translate(const char* context, const char* source);

// A reason Qt gave for a failed file operation (QFileDevice::errorString) or a JSON parse
// (QJsonParseError::errorString), in the user's language. Qt words these in English whatever
// the language; the reasons it takes from the system follow the locale already and are
// returned as they are.
QString Reason(const QString& reason);

}  // namespace formattext
