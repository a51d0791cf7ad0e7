#pragma once

#include <QByteArray>
#include <QList>

#include "platform/file_names.h"

namespace quillmar {

// The one document path a process's arguments name: the first after the program's own
// name, as the system handed it over (as bytes: a name need not be text). The system
// hands the arguments apart, so quotes and blanks in it are the file name's own; any
// further argument is ignored with a line on standard error. The path is made absolute
// and resolved as the system resolves it (systemPath), so that the caption and the
// recent-file list name the file that was meant, wherever the program is started next.
FileName CommandLineFile(const QList<QByteArray>& arguments);

}  // namespace quillmar
