#include "app/command_line.h"

#include <cstdio>

namespace quillmar {

FileName CommandLineFile(const QList<QByteArray>& arguments) {
    for (qsizetype i = 2; i < arguments.size(); ++i)
        std::fprintf(stderr, "quillmar: ignoring the further argument %s\n", arguments[i].constData());
    const QByteArray path = arguments.value(1);
    return path.isEmpty() ? FileName() : systemPath(path);
}

}  // namespace quillmar
