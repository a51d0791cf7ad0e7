#pragma once

#include <QString>
#include <QStringList>

namespace quillmar {

// The one document path a command line names: the text after the first double quote up
// to the next one (or the end), or without a double quote the whole line, blanks and all.
QString CommandLineFile(const QString& commandLine);

// The document a process's arguments name: the first after the program's own name. The
// system hands arguments apart, so a path is never joined from several; any further one
// is ignored with a line on standard error.
QString commandLineOf(const QStringList& arguments);

}  // namespace quillmar
