#include "app/command_line.h"

#include <cstdio>

namespace quillmar {

QString CommandLineFile(const QString& commandLine) {
    const qsizetype open = commandLine.indexOf(QLatin1Char('"'));
    if (open < 0)
        return commandLine;
    const qsizetype close = commandLine.indexOf(QLatin1Char('"'), open + 1);
    return close < 0 ? commandLine.mid(open + 1) : commandLine.mid(open + 1, close - open - 1);
}

QString commandLineOf(const QStringList& arguments) {
    for (qsizetype i = 2; i < arguments.size(); ++i)
        std::fprintf(stderr, "quillmar: ignoring the further argument %s\n", arguments[i].toLocal8Bit().constData());
    return arguments.value(1);
}

}  // namespace quillmar
