// File ▸ Open Library…, Save Library, Save Library As…: the list of concretes to and from a
// library file, the question about unsaved changes, and library files dropped on the window.

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "chart/Chart.h"
#include "concretewindow/ChartSetup.h"
#include "concretewindow/Unit1.h"
#include "dialogs/Basis.h"
#include "formats/LibraryFile.h"
#include "platform/CheckList.h"
#include "platform/Platform.h"
#include "platform/RecentFolders.h"
#include "platform/RunGuarded.h"

namespace {

QString LibraryFilter()
{
    return QCoreApplication::translate("TForm1", "Tarvolin library (*.json)");
}

// The one local .json file a drag carries, or an empty text.
QString DroppedLibrary(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return {};
    const QUrl url = mime->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    return path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) ? path : QString();
}

}  // namespace

bool TForm1::LibraryModified() const
{
    return !libraryPath.isEmpty() && (concretes.Revision() != savedRevision ||
                                      steels.Revision() != savedSteelRevision);
}

void TForm1::OpenLibrary1Click()
{
    if (!MayReplaceLibrary())
        return;
    const QString path = Platform::Current().OpenFileName(
        this, {tr("Open Library"), RecentFolder(FolderKind::Library), LibraryFilter()});
    if (path.isEmpty())
        return;
    OpenLibraryFile(path);
}

void TForm1::SaveLibrary1Click()
{
    if (libraryPath.isEmpty())
        SaveLibraryAs();
    else
        SaveLibraryTo(libraryPath);
}

void TForm1::SaveLibraryAs1Click()
{
    SaveLibraryAs();
}

bool TForm1::OpenLibraryFile(const QString& path)
{
    MaterialLibrary loaded;
    try {
        loaded = ReadMaterialLibrary(path);
    } catch (const LibraryError& error) {
        MessageDlg(this, Platform::MsgKind::Warning, QString::fromStdString(error.what()));
        return false;
    }
    ReplaceList(std::move(loaded.concretes));
    // The steels are replaced too, a library without any emptying the list; the steel window,
    // when there is one, hears of it and draws itself anew.
    steels.Replace(std::move(loaded.steels));
    libraryPath = QFileInfo(path).absoluteFilePath();
    savedRevision = concretes.Revision();
    savedSteelRevision = steels.Revision();
    RememberFileFolder(FolderKind::Library, libraryPath);
    return true;
}

void TForm1::ReplaceList(ConcreteRegistry loaded)
{
    DeleteAllConcretes();
    concretes = std::move(loaded);
    try {
        // Into emptied charts in creation order: every concrete gets the colour it would get
        // had it been created by hand one after the other.
        for (std::size_t i = 0; i < concretes.size(); ++i) {
            const CConcrete& concrete = concretes.at(i);
            const bool shown = concretes.Shown(i);
            lst1->Add(QString::fromStdString(concrete.ConcreteName),
                      BasisDescription(concrete, DecimalSeparator()));
            AddConcreteCurves(cht1, cht2, concrete, shown);
            // From code: lst1Change does not run.
            lst1->SetItemChecked(lst1->Count() - 1, shown);
        }
    } catch (...) {
        // Never half a list: a concrete without its row or curves would break every command.
        DeleteAllConcretes();
        throw;
    }
}

bool TForm1::SaveLibraryAs()
{
    const QFileInfo current(libraryPath);
    Platform::SaveFileRequest request;
    request.caption = tr("Save Library As");
    request.directory =
        libraryPath.isEmpty() ? RecentFolder(FolderKind::Library) : current.absolutePath();
    request.fileName = libraryPath.isEmpty() ? QStringLiteral("Concrete_Library.json")
                                             : current.fileName();
    request.filter = LibraryFilter();
    request.defaultSuffix = QStringLiteral("json");
    const QString path = Platform::Current().SaveFileName(this, request);
    if (path.isEmpty())
        return false;
    SaveLibraryTo(path);
    return true;
}

void TForm1::SaveLibraryTo(const QString& path)
{
    WriteLibrary(path, concretes, steels);
    libraryPath = QFileInfo(path).absoluteFilePath();
    savedRevision = concretes.Revision();
    savedSteelRevision = steels.Revision();
    RememberFileFolder(FolderKind::Library, libraryPath);
}

bool TForm1::SaveLibraryForQuestion()
{
    // A failed save is shown here and keeps the list: closing or opening must not go on and
    // lose what could not be saved.
    bool saved = false;
    RunGuarded([&] {
        if (libraryPath.isEmpty())
            saved = SaveLibraryAs();
        else {
            SaveLibraryTo(libraryPath);
            saved = true;
        }
    });
    return saved;
}

bool TForm1::MayReplaceLibrary()
{
    if (libraryPath.isEmpty()) {
        // A list that never was in a file would be lost without a word, by closing and by
        // opening a library over it alike; only an empty one goes at once.
        if (concretes.empty() && steels.empty())
            return true;
    } else if (!LibraryModified()) {
        return true;
    }
    const QString name =
        libraryPath.isEmpty() ? tr("Untitled") : QFileInfo(libraryPath).fileName();
    switch (Platform::Current().AskSaveChanges(this, tr("Confirm"),
                                               tr("Save changes to %1?").arg(name))) {
    case Platform::SaveAnswer::Save: return SaveLibraryForQuestion();
    case Platform::SaveAnswer::Discard: return true;
    case Platform::SaveAnswer::Cancel: break;
    }
    return false;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (MayReplaceLibrary())
        event->accept();
    else
        event->ignore();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedLibrary(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString path = DroppedLibrary(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The question and the boxes come after the drop has ended, so the program the file was
    // dragged from is not held up by them.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            RunGuarded([&] {
                if (MayReplaceLibrary())
                    OpenLibraryFile(path);
            });
        },
        Qt::QueuedConnection);
}
