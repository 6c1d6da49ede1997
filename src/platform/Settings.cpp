#include "platform/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

std::unique_ptr<QSettings> ProgramSettings()
{
#ifdef Q_OS_WIN
    if (QCoreApplication::instance()) {
        const QString portable =
            QCoreApplication::applicationDirPath() + QStringLiteral("/Tarvolin.ini");
        if (QFileInfo(portable).isFile())
            return std::make_unique<QSettings>(portable, QSettings::IniFormat);
    }
#endif
    return std::make_unique<QSettings>(QStringLiteral("Tarvolin"), QStringLiteral("Tarvolin"));
}
