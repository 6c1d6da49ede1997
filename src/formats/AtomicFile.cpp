#include "formats/AtomicFile.h"

#include <QDir>
#include <QSaveFile>
#include <stdexcept>

#include "formats/FormatText.h"

namespace {

// pattern: the message with the file as %1 and the system's reason as %2.
[[noreturn]] void Fail(const char* pattern, const QString& path, const QString& reason)
{
    const QString message = formattext::translate("AtomicFile", pattern)
                                .arg(QDir::toNativeSeparators(path), formattext::Reason(reason));
    throw std::runtime_error(message.toStdString());
}

}  // namespace

void WriteFileAtomically(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    // Unbuffered: the bytes go to the system at once, so a failing write is seen here. Bytes
    // that QSaveFile still buffers when it commits are flushed without its own error check and
    // a truncated file would be renamed over the user's one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        Fail(QT_TRANSLATE_NOOP("AtomicFile", "Cannot create file \"%1\". %2"), path,
             file.errorString());

    // A write the system cuts short reports no reason; the next one, for the rest, fails with
    // it (EFBIG, ENOSPC) or goes on.
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const qint64 written = file.write(data, left);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            Fail(QT_TRANSLATE_NOOP("AtomicFile", "Cannot write file \"%1\". %2"), path, reason);
        }
        data += written;
        left -= written;
    }
    if (!file.commit())
        Fail(QT_TRANSLATE_NOOP("AtomicFile", "Cannot write file \"%1\". %2"), path,
             file.errorString());
}
