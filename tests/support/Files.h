#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Small file helpers for tests that check what a command wrote, and what it left behind.
namespace testfiles {

// The file's bytes, or a marker that no written file could equal.
inline QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every entry of a folder, hidden ones included, so a stray temporary file is seen.
inline QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// A PDF's bytes with its creation time blanked, so two writes of one picture compare equal
// even when a second ticks between them.
inline QByteArray WithoutCreationDate(const QByteArray& bytes)
{
    static const QRegularExpression date(QStringLiteral("/CreationDate \\(D:[^)]*\\)"));
    return QString::fromLatin1(bytes).replace(date, QStringLiteral("/CreationDate ()")).toLatin1();
}

}  // namespace testfiles
