#include "export/PictureExport.h"

#include <QFileInfo>

#include "app/Application.h"
#include "app/Dialogs.h"
#include "app/Platform.h"
#include "app/RecentFolders.h"
#include "app/Unit1.h"
#include "export/ChartPicture.h"
#include "export/PictureOptions.h"
#include "chart/Chart.h"
#include "steelwindow/SteelForm.h"

namespace {

const QString kFilters = QStringLiteral(
    "PNG image (*.png);;SVG image (*.svg);;PDF document (*.pdf);;BMP image (*.bmp)");

// The format last used for report pictures is remembered for the run by the window that holds
// the charts; their folder across runs (RecentFolders).
const char* const kPicturesFormat = "tarvolinPicturesFormat";

}  // namespace

void SaveChartImageAs(QWidget* parent, TChart* chart, const QString& suggestedName)
{
    RunGuarded([&] {
        QString name = suggestedName;
        if (!PictureFormatFromPath(name))
            name += QStringLiteral(".png");
        const QString path = Platform::Current().SaveFileName(
            parent, {QStringLiteral("Save Image As"), RecentFolder(FolderKind::Pictures), name,
                     kFilters, QStringLiteral("png")});
        if (path.isEmpty())
            return;
        RememberFileFolder(FolderKind::Pictures, path);

        // The dialog gives the chosen type's suffix to a name typed without one; any other
        // suffix names no picture format, and writing PNG bytes under it would mislead.
        const std::optional<PictureFormat> format = PictureFormatFromPath(path);
        if (!format) {
            MessageDlg(parent, Platform::MsgKind::Warning,
                       QStringLiteral("\"%1\" is not the name of a PNG, SVG, PDF or BMP file.")
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

// Save Pictures As: both charts in a format and size of the user's choice, into a folder, as
// "Compression.<ext>" and "Tension.<ext>" (the names Save Picture gives its BMP files), and the
// steel chart as "Steel.<ext>" when there are steels.
void TForm1::SavePicturesAs1Click()
{
    const QString chosen = Platform::Current().ExistingDirectory(
        this, QStringLiteral("Select folder for the pictures"), RecentFolder(FolderKind::Pictures));
    if (chosen.isEmpty())
        return;
    RememberFolder(FolderKind::Pictures, chosen);

    QList<TChart*> charts = {cht1, cht2};
    QStringList names = {QStringLiteral("Compression"), QStringLiteral("Tension")};
    if (!steels.empty()) {
        // The steel window's chart as it stands; a window never opened holds it all the same.
        charts.append(SteelForm()->cht1);
        names.append(QStringLiteral("Steel"));
    }
    PictureChoice choice;
    choice.names = names;
    for (TChart* chart : charts)
        choice.sizes.append(chart->size());
    choice.format = PictureFormat(property(kPicturesFormat).toInt());
    choice.formatFixed = false;
    if (!AskPictureOptions(this, choice))
        return;
    setProperty(kPicturesFormat, int(choice.format));

    // As with Save Picture, a Compression picture written before a failing Tension picture
    // stays; each file on its own is replaced whole or not at all.
    const QString suffix = QLatin1Char('.') + PictureSuffix(choice.format);
    for (qsizetype i = 0; i < charts.size(); ++i)
        WriteChartPicture(*charts[i], chosen + QLatin1Char('/') + names[i] + suffix,
                          choice.format, {choice.sizes.value(i), choice.scale});

    MessageDlg(this, Platform::MsgKind::Information, QStringLiteral("Images saved successfully!."));
}
