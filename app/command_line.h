#pragma once

#include <QString>
#include <QStringList>

namespace quillmar {

// The one document path a command line names: the text after the first double quote up
// to the next one (or the end), or without a double quote the whole line, blanks and all.
QString CommandLineFile(const QString& commandLine);

// The process's command line after the program's own name, as one text.
QString commandLineOf(const QStringList& arguments);

}  // namespace quillmar
