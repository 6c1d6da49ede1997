// Save Data, Save Picture and Save Pictures As: the concretes' data and the charts into files.

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "dialogs/PictureOptions.h"
#include "formats/AtomicFile.h"
#include "formats/CsvExport.h"
#include "pictures/ChartPicture.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/RecentFolders.h"
#include "steelwindow/SteelForm.h"

namespace {

// The format last used for report pictures is remembered for the run by the window that holds
// the charts; their folder across runs (RecentFolders).
const char* const kPicturesFormat = "tarvolinPicturesFormat";

}  // namespace

// Save Data: the parameters and freshly sampled curves of every concrete into one CSV file.
void TForm1::btn5Click()
{
    if (concretes.empty()) {
        MessageDlg(this, Platform::MsgKind::Information,
                   tr("No concretes have been create!."));
        return;
    }

    dlgSave1->Title = tr("Save Concrete Data");
    dlgSave1->FileName = QStringLiteral("Concrete_Data.csv");
    if (!dlgSave1->Execute(this))
        return;

    // The whole file is built before anything touches the disk, and written so that a failure
    // leaves the user's earlier file as it was.
    const std::string text = BuildConcreteCsv(concretes, DecimalSeparator());
    WriteFileAtomically(dlgSave1->FileName, text);
}

// Save Picture: both charts as they stand into Compression.bmp and Tension.bmp of a folder.
void TForm1::btn4Click()
{
    rzslctfldrdlg1->Title = tr("Select directory for storing images");
    if (!rzslctfldrdlg1->Execute(this))
        return;
    const QString folder = rzslctfldrdlg1->SelectedPathName;

    cht1->SetBufferedDisplay(false);
    cht2->SetBufferedDisplay(false);
    cht1->SaveToBitmapFile(folder + QStringLiteral("/Compression.bmp"));
    cht2->SaveToBitmapFile(folder + QStringLiteral("/Tension.bmp"));
    cht1->SetBufferedDisplay(true);
    cht2->SetBufferedDisplay(true);

    MessageDlg(this, Platform::MsgKind::Information, tr("Images saved successfully!."));
}

// Save Pictures As: both charts in a format and size of the user's choice, into a folder, as
// "Compression.<ext>" and "Tension.<ext>" (the names Save Picture gives its BMP files), and the
// steel chart as "Steel.<ext>" when there are steels.
void TForm1::SavePicturesAs1Click()
{
    const QString chosen = Platform::Current().ExistingDirectory(
        this, tr("Select folder for the pictures"), RecentFolder(FolderKind::Pictures));
    if (chosen.isEmpty())
        return;
    RememberFolder(FolderKind::Pictures, chosen);

    QList<TChart*> charts = {cht1, cht2};
    QStringList names = {QStringLiteral("Compression"), QStringLiteral("Tension")};
    if (!steels.empty()) {
        // The steel window's chart as it stands; a window never opened holds it all the same.
        charts.append(SteelForm()->cht1);
        // The file's name; the picture options show the chart's name in the interface language.
        names.append(QLatin1String(QT_TRANSLATE_NOOP("TForm1", "Steel")));
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

    MessageDlg(this, Platform::MsgKind::Information, tr("Images saved successfully!."));
}
