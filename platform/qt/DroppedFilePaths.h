#pragma once

#include "DroppedFiles.h"

class QMimeData;

// The local files that dropped or pasted data offers, in the order given, as native paths (with
// backslashes on Windows): the URLs of a URL list, or of GNOME's copied-files list, that name a
// local file. None at all when it offers no local file (text, web or network addresses alone):
// such data carries no file list, which is not the same as a list that is empty.
DroppedFiles droppedFilePaths(const QMimeData &data);
