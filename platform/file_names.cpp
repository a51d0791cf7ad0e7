#include "platform/file_names.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmar {

namespace {

QByteArray currentFolder() {
    QByteArray folder(4096, Qt::Uninitialized);
    while (!::getcwd(folder.data(), size_t(folder.size()))) {
        if (errno != ERANGE)
            return QByteArray("/");
        folder.resize(folder.size() * 2);
    }
    folder.truncate(qsizetype(std::strlen(folder.constData())));
    return folder;
}

bool folderHoldsNameReadAs(const QByteArray& folder, const QString& text) {
    DIR* dir = ::opendir(folder.isEmpty() ? "/" : folder.constData());
    if (!dir)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        if (QFile::decodeName(entry->d_name) == text) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

}  // namespace

FileName fileNameOf(QByteArrayView bytes) {
    const QByteArray name = bytes.toByteArray();
    const QString text = QFile::decodeName(name);
    return FileName(text, QFile::encodeName(text) == name);
}

FileName systemPath(QByteArrayView path) {
    QByteArray absolute = path.toByteArray();
    if (!absolute.startsWith('/'))
        absolute = currentFolder() + '/' + absolute;
    QByteArray folder = absolute.left(absolute.lastIndexOf('/'));
    QByteArray name = absolute.mid(absolute.lastIndexOf('/') + 1);
    if (name.isEmpty() || name == "." || name == "..") {
        folder = absolute;
        name.clear();
    }
    if (char* resolved = ::realpath(folder.isEmpty() ? "/" : folder.constData(), nullptr)) {
        QByteArray full(resolved);
        std::free(resolved);
        if (!name.isEmpty())
            full += (full.endsWith('/') ? "" : "/") + name;
        return fileNameOf(full);
    }
    FileName cleaned = fileNameOf(absolute);
    if (cleaned.readable)
        cleaned.text = QDir::cleanPath(cleaned.text);
    return cleaned;
}

bool standsForUnreadableName(const QString& path) {
    if (!path.contains(QChar::ReplacementCharacter))
        return false;
    // The first part of the path that names nothing decides.
    QByteArray reached;
    for (const QString& part : QFileInfo(path).absoluteFilePath().split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QByteArray next = reached + '/' + QFile::encodeName(part);
        struct stat st {};
        if (::lstat(next.constData(), &st) != 0)
            return part.contains(QChar::ReplacementCharacter) && folderHoldsNameReadAs(reached, part);
        reached = next;
    }
    return false;
}

}  // namespace quillmar
