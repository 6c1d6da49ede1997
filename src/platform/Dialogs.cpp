#include "platform/Dialogs.h"

#include <QFileInfo>

#include "platform/Platform.h"

bool TSaveDialog::Execute(QWidget* parent)
{
    const QString path = Platform::Current().SaveFileName(
        parent, {Title, InitialDir, FileName, Filter, DefaultExt});
    if (path.isEmpty())
        return false;
    FileName = path;
    // Like the original, the next use opens where the user last saved.
    InitialDir = QFileInfo(path).absolutePath();
    return true;
}

bool TRzSelectFolderDialog::Execute(QWidget* parent)
{
    const QString path = Platform::Current().ExistingDirectory(parent, Title, SelectedPathName);
    if (path.isEmpty())
        return false;
    SelectedPathName = path;
    return true;
}
