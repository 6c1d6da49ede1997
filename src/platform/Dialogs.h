#pragma once

#include <QString>

class QWidget;

// The save dialog of "Save Data": remembers its settings between uses like the original
// component did, and goes through the platform seam to ask the user.
struct TSaveDialog {
    QString Title;
    QString FileName;    // proposed name before Execute, the confirmed full path after it
    QString DefaultExt;  // appended when the user types a name without extension
    QString Filter;
    QString InitialDir;

    bool Execute(QWidget* parent);
};

// The folder picker of "Save Picture"; opens at the folder last confirmed.
struct TRzSelectFolderDialog {
    QString Title;
    QString SelectedPathName;

    bool Execute(QWidget* parent);
};
