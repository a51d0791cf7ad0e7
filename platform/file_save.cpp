#include "platform/file_save.h"

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace quillmar {

namespace {

FileStamp stampOf(const struct stat& st) {
    FileStamp stamp;
    stamp.exists = true;
    stamp.size = st.st_size;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.modifiedSeconds = st.st_mtim.tv_sec;
    stamp.modifiedNanoseconds = st.st_mtim.tv_nsec;
    stamp.changedSeconds = st.st_ctim.tv_sec;
    stamp.changedNanoseconds = st.st_ctim.tv_nsec;
    return stamp;
}

QString reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

SavedFile failure(int error) {
    SavedFile result;
    result.error = reason(error);
    return result;
}

SavedFile failure(const QString& error) {
    SavedFile result;
    result.error = error;
    return result;
}

SavedFile success(int descriptor) {
    SavedFile result;
    result.ok = true;
    result.stamp = fileStamp(descriptor);
    return result;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// The file a path names through its links, also one that names no file yet; empty when
// the links go round in a circle.
QByteArray finalTarget(QByteArray path) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (length < 0 || length >= target.size())
            return path;
        target.truncate(length);
        path = target.startsWith('/') ? target : path.left(path.lastIndexOf('/') + 1) + target;
    }
    return QByteArray();
}

// Repeats a positioned read or write until `size` bytes have gone through it (it may take
// fewer at a time). 0, or the system's error.
template <typename Step>
int throughWhole(qint64 size, Step step) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = step(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += n;
    }
    return 0;
}

int writeAll(int fd, QByteArrayView bytes, qint64 at = 0) {
    return throughWhole(bytes.size(), [&](qint64 done) {
        return ::pwrite(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(at + done));
    });
}

// What a save puts in the file: a head (a byte-order mark, or nothing), then the body.
struct Content {
    QByteArrayView head;
    QByteArrayView body;
    qint64 size() const { return head.size() + body.size(); }
};

int writeAll(int fd, const Content& content) {
    if (const int error = writeAll(fd, content.head))
        return error;
    return writeAll(fd, content.body, content.head.size());
}

int readAll(int fd, qint64 size, QByteArray* bytes) {
    bytes->resize(size);
    return throughWhole(size, [&](qint64 done) {
        return ::pread(fd, bytes->data() + done, size_t(size - done), off_t(done));
    });
}

// Makes sure the file can grow to the new size before a byte of it is overwritten: its
// blocks are taken beforehand, or where the file system cannot do that, its free room is
// counted. 0, or the system's error.
int assureRoom(int fd, qint64 oldSize, qint64 newSize) {
    if (newSize <= oldSize)
        return 0;
    rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && rlim_t(newSize) > limit.rlim_cur)
        return EFBIG;
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, off_t(oldSize), off_t(newSize - oldSize)) == 0)
        return 0;
    if (errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    struct statvfs fs {};
    if (::fstatvfs(fd, &fs) == 0 && quint64(fs.f_bavail) * fs.f_frsize < quint64(newSize - oldSize))
        return ENOSPC;
    return 0;
}

SavedFile writeInPlace(const QByteArray& target, const Content& content) {
    const Descriptor file(::open(target.constData(), O_RDWR | O_CLOEXEC));
    if (file.get() < 0)
        return failure(errno);
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        return failure(errno);
    if (!S_ISREG(st.st_mode))
        return failure(QStringLiteral("Not a regular file"));
    const qint64 oldSize = st.st_size;
    if (const int error = assureRoom(file.get(), oldSize, content.size()))
        return failure(error);
    // Kept to be put back should the write fail all the same (an I/O error).
    QByteArray old;
    if (const int error = readAll(file.get(), oldSize, &old))
        return failure(error);
    // The file is cut to its new length only after the whole text is in it.
    int error = writeAll(file.get(), content);
    if (!error && content.size() < oldSize && ::ftruncate(file.get(), off_t(content.size())) != 0)
        error = errno;
    if (!error && ::fdatasync(file.get()) != 0)
        error = errno;
    if (error) {
        writeAll(file.get(), old);
        if (::ftruncate(file.get(), off_t(oldSize)) == 0)
            ::fdatasync(file.get());
        return failure(error);
    }
    return success(file.get());
}

// A new file beside the target, under a name no other file has; -1 with errno set when
// the folder takes none.
int createBeside(const QByteArray& target, mode_t mode, QByteArray* name) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray suffix(6, Qt::Uninitialized);
        for (char& c : suffix)
            c = letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
        *name = target + '.' + suffix;
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Gives the new file the old one's owner, group and mode (the mode after the owner, as a
// change of owner clears the set-user and set-group bits).
bool takeOwnerAndMode(int fd, const struct stat& old) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    if ((st.st_uid != old.st_uid || st.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

FileStamp fileStamp(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return stampOf(st);
}

FileStamp fileStamp(int descriptor) {
    struct stat st {};
    if (::fstat(descriptor, &st) != 0)
        return {};
    return stampOf(st);
}

SavedFile saveWholeFile(const QString& path, QByteArrayView bytes, QByteArrayView head) {
    const Content content{head, bytes};
    if (path.isEmpty())
        return failure(ENOENT);
    const QByteArray target = finalTarget(QFile::encodeName(path));
    if (target.isEmpty())
        return failure(ELOOP);
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return failure(EISDIR);
    // A device or a pipe: a file renamed over it would take its place.
    if (exists && !S_ISREG(old.st_mode))
        return failure(QStringLiteral("Not a regular file"));
    if (exists && old.st_nlink > 1)
        return writeInPlace(target, content);

    QByteArray temporary;
    const Descriptor file(createBeside(target, exists ? 0600 : 0666, &temporary));
    if (file.get() < 0)
        return exists ? writeInPlace(target, content) : failure(errno);
    if (exists && !takeOwnerAndMode(file.get(), old)) {
        ::unlink(temporary.constData());
        return writeInPlace(target, content);
    }
    int error = writeAll(file.get(), content);
    if (!error && ::fdatasync(file.get()) != 0)
        error = errno;
    if (!error && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        return failure(error);
    }
    // Taken after the rename, which is itself a change of the file.
    return success(file.get());
}

}  // namespace quillmar
