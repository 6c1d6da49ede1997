#include "SaveText.h"

#include <exception>

#include "formats/AtomicFile.h"

bool SaveTextAs(QWidget* parent, const Platform::SaveFileRequest& request, FolderKind kind,
                const std::string& text)
{
    const QString path = Platform::Current().SaveFileName(parent, request);
    if (path.isEmpty())
        return false;
    try {
        WriteFileAtomically(path, text);
    } catch (const std::exception& e) {
        MessageDlg(parent, Platform::MsgKind::Error, QString::fromUtf8(e.what()));
        return false;
    }
    RememberFileFolder(kind, path);
    return true;
}
