#pragma once

#include <QString>
#include <QStringList>

namespace quillmar {

// The one document path a process's arguments name: the first after the program's own
// name, as it is. The system hands the arguments apart, so quotes and blanks in it are
// the file name's own; any further argument is ignored with a line on standard error.
// A relative path is made absolute against the current folder, so that the caption and
// the recent-file list name the file wherever the program is started next.
QString CommandLineFile(const QStringList& arguments);

}  // namespace quillmar
