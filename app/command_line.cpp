#include "app/command_line.h"

#include <QFileInfo>
#include <cstdio>

namespace quillmar {

QString CommandLineFile(const QStringList& arguments) {
    for (qsizetype i = 2; i < arguments.size(); ++i)
        std::fprintf(stderr, "quillmar: ignoring the further argument %s\n", arguments[i].toLocal8Bit().constData());
    const QString path = arguments.value(1);
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

}  // namespace quillmar
