#include "app/Dialogs.h"
#include "app/Platform.h"
#include "app/Unit1.h"
#include "formats/AtomicFile.h"
#include "formats/CsvExport.h"
#include "chart/Chart.h"

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
    WriteFileAtomically(dlgSave1->FileName, QByteArrayView(text.data(), qsizetype(text.size())));
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
