#include "export/AtomicFile.h"

#include <QDir>
#include <QSaveFile>
#include <stdexcept>

namespace {

[[noreturn]] void Fail(const char* what, const QString& path, const QString& reason)
{
    const QString message = QStringLiteral("%1 \"%2\". %3")
                                .arg(QLatin1String(what), QDir::toNativeSeparators(path), reason);
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
        Fail("Cannot create file", path, file.errorString());

    // A write the system cuts short reports no reason; the next one, for the rest, fails with
    // it (EFBIG, ENOSPC) or goes on.
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const qint64 written = file.write(data, left);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            Fail("Cannot write file", path, reason);
        }
        data += written;
        left -= written;
    }
    if (!file.commit())
        Fail("Cannot write file", path, file.errorString());
}
