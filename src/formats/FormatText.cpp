#include "formats/FormatText.h"

#include "model/CoreText.h"

namespace formattext {

namespace {

// Qt's own English words, exactly as Qt 6 writes them; %1 stands for a file.
const char* const kQtReasons[] = {
    QT_TRANSLATE_NOOP("QtReason", "No such file or directory"),
    QT_TRANSLATE_NOOP("QtReason", "Permission denied"),
    QT_TRANSLATE_NOOP("QtReason", "Too many open files"),
    QT_TRANSLATE_NOOP("QtReason", "No space left on device"),
    QT_TRANSLATE_NOOP("QtReason", "Unknown error"),
    QT_TRANSLATE_NOOP("QtReason", "Filename refers to a directory"),
    QT_TRANSLATE_NOOP("QtReason", "file to open is a directory"),
    QT_TRANSLATE_NOOP("QtReason", "Existing file %1 is not writable"),
    QT_TRANSLATE_NOOP("QtReason", "Writing canceled by application"),
    QT_TRANSLATE_NOOP("QtReason", "unterminated object"),
    QT_TRANSLATE_NOOP("QtReason", "missing name separator"),
    QT_TRANSLATE_NOOP("QtReason", "unterminated array"),
    QT_TRANSLATE_NOOP("QtReason", "missing value separator"),
    QT_TRANSLATE_NOOP("QtReason", "illegal value"),
    QT_TRANSLATE_NOOP("QtReason", "invalid termination by number"),
    QT_TRANSLATE_NOOP("QtReason", "illegal number"),
    QT_TRANSLATE_NOOP("QtReason", "invalid escape sequence"),
    QT_TRANSLATE_NOOP("QtReason", "invalid UTF8 string"),
    QT_TRANSLATE_NOOP("QtReason", "unterminated string"),
    QT_TRANSLATE_NOOP("QtReason", "object is missing after a comma"),
    QT_TRANSLATE_NOOP("QtReason", "too deeply nested document"),
    QT_TRANSLATE_NOOP("QtReason", "too large document"),
    QT_TRANSLATE_NOOP("QtReason", "garbage at the end of the document"),
};

}  // namespace

QString translate(const char* context, const char* source)
{
    return QString::fromStdString(coretext::translate(context, source));
}

QString Reason(const QString& reason)
{
    for (const char* const pattern : kQtReasons) {
        const QString english = QString::fromLatin1(pattern);
        const qsizetype hole = english.indexOf(QLatin1String("%1"));
        if (hole < 0) {
            if (reason == english)
                return translate("QtReason", pattern);
            continue;
        }
        const QString before = english.left(hole);
        const QString after = english.mid(hole + 2);
        if (reason.size() > english.size() - 2 && reason.startsWith(before) &&
            reason.endsWith(after))
            return translate("QtReason", pattern)
                .arg(reason.mid(before.size(), reason.size() - before.size() - after.size()));
    }
    return reason;
}

}  // namespace formattext
