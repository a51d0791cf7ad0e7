#include "app/command_line.h"

namespace quillmar {

QString CommandLineFile(const QString& commandLine) {
    const qsizetype open = commandLine.indexOf(QLatin1Char('"'));
    if (open < 0)
        return commandLine;
    const qsizetype close = commandLine.indexOf(QLatin1Char('"'), open + 1);
    return close < 0 ? commandLine.mid(open + 1) : commandLine.mid(open + 1, close - open - 1);
}

QString commandLineOf(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

}  // namespace quillmar
