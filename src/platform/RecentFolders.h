#pragma once

#include <QString>

// Where the file dialogs of library files, solver input, report pictures and measured curves
// open: in the folder
// last used for that kind of file, remembered across runs in the user's settings, else in the
// user's Documents folder, else at home. (An installed program's own folder is no place for the
// user's files.) Save Data and Save Picture keep their own start folders. RepeatedLoad: the
// CSV files of the repeated-load paths; TestData: the measured curves fitted.
enum class FolderKind { Library, Abaqus, OpenSees, Pictures, TestData, RepeatedLoad };

// The folder a dialog of this kind opens at; a remembered folder that no longer exists is
// passed over.
QString RecentFolder(FolderKind kind);
// Remembers the folder of a file just opened or saved.
void RememberFileFolder(FolderKind kind, const QString& filePath);
// Remembers a folder just chosen.
void RememberFolder(FolderKind kind, const QString& folder);
