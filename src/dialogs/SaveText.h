#pragma once

#include <string>

#include "platform/Platform.h"
#include "platform/RecentFolders.h"

class QWidget;

// Asks where the text goes (the request's dialog, through the platform seam), writes it whole
// or not at all, and remembers the folder. A failed write is told in an error box and leaves
// any earlier file as it was. True once the file is written; false when the user cancelled or
// the write failed.
bool SaveTextAs(QWidget* parent, const Platform::SaveFileRequest& request, FolderKind kind,
                const std::string& text);
