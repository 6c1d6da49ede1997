#include "platform/RecentFolders.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString Key(FolderKind kind)
{
    switch (kind) {
    case FolderKind::Abaqus: return QStringLiteral("folders/abaqus");
    case FolderKind::OpenSees: return QStringLiteral("folders/opensees");
    case FolderKind::Pictures: return QStringLiteral("folders/pictures");
    case FolderKind::TestData: return QStringLiteral("folders/testdata");
    case FolderKind::RepeatedLoad: return QStringLiteral("folders/repeated-load");
    case FolderKind::Library: break;
    }
    return QStringLiteral("folders/library");
}

}  // namespace

QString RecentFolder(FolderKind kind)
{
    const QString remembered =
        ProgramSettings()->value(Key(kind)).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void RememberFolder(FolderKind kind, const QString& folder)
{
    if (folder.isEmpty())
        return;
    ProgramSettings()->setValue(Key(kind), QFileInfo(folder).absoluteFilePath());
}

void RememberFileFolder(FolderKind kind, const QString& filePath)
{
    if (!filePath.isEmpty())
        RememberFolder(kind, QFileInfo(filePath).absolutePath());
}
