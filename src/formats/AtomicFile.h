#pragma once

#include <QByteArrayView>
#include <QString>

// Replaces the file at path with bytes, or leaves it exactly as it was. The bytes go to a
// temporary file in the same folder, which takes the file's place only after every byte has
// been written; on any failure the temporary file is removed and std::runtime_error is thrown
// with a message that names the path and the system's reason.
void WriteFileAtomically(const QString& path, QByteArrayView bytes);
