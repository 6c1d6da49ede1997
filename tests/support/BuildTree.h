#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

// The tests are built into <build>/tests; the build tree's cache names the tools that made it.
namespace buildtree {

inline QString BuildDir()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
}

inline QString CacheValue(const QString& key)
{
    QFile cache(BuildDir() + QStringLiteral("/CMakeCache.txt"));
    if (!cache.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString prefix = key + QLatin1Char(':');
    while (!cache.atEnd()) {
        const QString line = QString::fromUtf8(cache.readLine()).trimmed();
        if (line.startsWith(prefix))
            return line.section(QLatin1Char('='), 1);
    }
    return {};
}

}  // namespace buildtree
