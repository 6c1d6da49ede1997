#include "dialogs/PictureExport.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "chart/Chart.h"
#include "dialogs/PictureOptions.h"
#include "pictures/ChartPicture.h"
#include "platform/Platform.h"
#include "platform/RecentFolders.h"
#include "platform/RunGuarded.h"

namespace {

QString Filters()
{
    return QCoreApplication::translate(
        "TForm1", "PNG image (*.png);;SVG image (*.svg);;PDF document (*.pdf);;BMP image (*.bmp)");
}

}  // namespace

void SaveChartImageAs(QWidget* parent, TChart* chart, const QString& suggestedName)
{
    RunGuarded([&] {
        QString name = suggestedName;
        if (!PictureFormatFromPath(name))
            name += QStringLiteral(".png");
        const QString path = Platform::Current().SaveFileName(
            parent, {QCoreApplication::translate("TForm1", "Save Image As"),
                     RecentFolder(FolderKind::Pictures), name, Filters(), QStringLiteral("png")});
        if (path.isEmpty())
            return;
        RememberFileFolder(FolderKind::Pictures, path);

        // The dialog gives the chosen type's suffix to a name typed without one; any other
        // suffix names no picture format, and writing PNG bytes under it would mislead.
        const std::optional<PictureFormat> format = PictureFormatFromPath(path);
        if (!format) {
            MessageDlg(parent, Platform::MsgKind::Warning,
                       QCoreApplication::translate(
                           "TForm1", "\"%1\" is not the name of a PNG, SVG, PDF or BMP file.")
                           .arg(QFileInfo(path).fileName()));
            return;
        }

        PictureChoice choice;
        choice.names = {suggestedName};
        choice.sizes = {chart->size()};
        choice.format = *format;
        if (!AskPictureOptions(parent, choice))
            return;
        WriteChartPicture(*chart, path, *format, {choice.sizes.value(0), choice.scale});
    });
}
