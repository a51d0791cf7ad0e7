#include "platform/file_save.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
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

SavedFile failure(const QString& error) {
    SavedFile result;
    result.error = error;
    return result;
}

SavedFile failure(int error) { return failure(reason(error)); }

SavedFile success(int descriptor) {
    SavedFile result;
    result.ok = true;
    result.stamp = fileStamp(descriptor);
    return result;
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

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

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

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

// Copies the first `size` bytes of one file over those of another. The system copies them
// itself where it can (a copy-on-write file system shares the blocks, which needs no
// room), else they go through a buffer. 0, or the system's error.
int copyBytes(int from, int to, qint64 size) {
    bool bySystem = true;
    QByteArray buffer;
    return throughWhole(size, [&](qint64 done) -> ssize_t {
        if (bySystem) {
            off64_t in = done, out = done;
            const ssize_t n = ::copy_file_range(from, &in, to, &out, size_t(size - done), 0);
            if (n >= 0 || (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP))
                return n;
            bySystem = false;
        }
        buffer.resize(std::min<qint64>(size - done, 1 << 20));
        const ssize_t n = ::pread(from, buffer.data(), size_t(buffer.size()), off_t(done));
        if (n <= 0)
            return n;
        if (const int error = writeAll(to, QByteArrayView(buffer.data(), n), done)) {
            errno = error;
            return -1;
        }
        return n;
    });
}

// A file that grows past the process's file-size limit is cut short half-way: the size
// of every file a save will write is checked before any of it is written.
int checkSizeLimit(qint64 size) {
    rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && rlim_t(size) > limit.rlim_cur)
        return EFBIG;
    return 0;
}

// Makes sure the file can grow to the new size before a byte of it is overwritten: its
// blocks are taken beforehand, or where the file system cannot do that, its free room is
// counted. 0, or the system's error.
int assureRoom(int fd, qint64 oldSize, qint64 newSize) {
    if (newSize <= oldSize)
        return 0;
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, off_t(oldSize), off_t(newSize - oldSize)) == 0)
        return 0;
    if (errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    struct statvfs fs {};
    if (::fstatvfs(fd, &fs) == 0 && quint64(fs.f_bavail) * fs.f_frsize < quint64(newSize - oldSize))
        return ENOSPC;
    return 0;
}

// A renamed file reaches the disk only with its folder. 0, or the system's error (a
// folder that cannot be flushed at all is taken as flushed).
int syncFolder(const QByteArray& folder) {
    const Descriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno;
    return ::fsync(fd.get()) == 0 || errno == EINVAL ? 0 : errno;
}

// A new file in the folder named for the file `name` with the tag and a random ending, so
// that it is the only one of its name and shows which file it belongs to; -1 with errno
// set when the folder takes none. The name of the file is cut where the whole would be
// longer than the folder's names may be (at the start of a character).
int createFor(const QByteArray& folder, const QByteArray& name, const char* tag, mode_t mode, QByteArray* path) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const long longest = ::pathconf(folder.constData(), _PC_NAME_MAX);
    const QByteArray ending = QByteArray(".") + tag;
    const qsizetype room = (longest > 0 ? longest : NAME_MAX) - ending.size() - 6;
    qsizetype kept = name.size();
    if (kept > room) {
        kept = std::max<qsizetype>(room, 0);
        while (kept > 0 && (name[kept] & 0xC0) == 0x80)
            --kept;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray suffix(6, Qt::Uninitialized);
        for (char& c : suffix)
            c = letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
        *path = folder + '/' + name.left(kept) + ending + suffix;
        const int fd = ::open(path->constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The user's own folder for what the program keeps between runs ($XDG_STATE_HOME, or
// ~/.local/state), made where it is missing; empty when it cannot be.
QByteArray stateFolder() {
    QByteArray base = qgetenv("XDG_STATE_HOME");
    if (!base.startsWith('/'))
        base = QFile::encodeName(QDir::homePath()) + "/.local/state";
    const QByteArray folder = base + "/Quillmar";
    if (!QDir().mkpath(QFile::decodeName(base)) || (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST))
        return QByteArray();
    return folder;
}

// A copy of a file's old bytes, on disk before the first of them is overwritten.
class Backup {
public:
    // Beside the file where its folder takes one, else in the user's state folder.
    // 0, or the system's error; nothing is left behind then.
    int make(const QByteArray& target, int from, qint64 size) {
        fd_.reset(createFor(folderOf(target), nameOf(target), "backup-", 0600, &path_));
        if (fd_.get() < 0) {
            const int besideError = errno;
            const QByteArray folder = stateFolder();
            if (folder.isEmpty())
                return besideError;
            fd_.reset(createFor(folder, nameOf(target), "backup-", 0600, &path_));
            if (fd_.get() < 0)
                return errno;
        }
        int error = copyBytes(from, fd_.get(), size);
        if (!error && ::fsync(fd_.get()) != 0)
            error = errno;
        if (!error)
            error = syncFolder(folderOf(path_));
        if (error)
            remove();
        return error;
    }
    // Puts the old bytes back; 0, or the system's error.
    int restore(int to, qint64 size) const {
        if (const int error = copyBytes(fd_.get(), to, size))
            return error;
        if (::ftruncate(to, off_t(size)) != 0 || ::fdatasync(to) != 0)
            return errno;
        return 0;
    }
    void remove() { ::unlink(path_.constData()); }
    const QByteArray& path() const { return path_; }

private:
    Descriptor fd_;
    QByteArray path_;
};

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
    // The copy of the old bytes is written too.
    if (const int error = checkSizeLimit(oldSize))
        return failure(error);
    if (const int error = assureRoom(file.get(), oldSize, content.size()))
        return failure(error);
    Backup backup;
    if (const int error = backup.make(target, file.get(), oldSize))
        return failure(error);
    // The file is cut to its new length only after the whole text is in it.
    int error = writeAll(file.get(), content);
    if (!error && content.size() < oldSize && ::ftruncate(file.get(), off_t(content.size())) != 0)
        error = errno;
    if (!error && ::fdatasync(file.get()) != 0)
        error = errno;
    if (!error) {
        backup.remove();
        return success(file.get());
    }
    SavedFile result = failure(error);
    if (backup.restore(file.get(), oldSize) == 0) {
        backup.remove();
        // Written and put back, the file is not as it was read: the program's own change.
        result.stamp = fileStamp(file.get());
    } else {
        result.remark = QStringLiteral("The old file is kept in ") + QFile::decodeName(backup.path());
    }
    return result;
}

// Removes a new file the save gave up on; what to tell the user when it stays.
QString discard(const QByteArray& temporary) {
    if (::unlink(temporary.constData()) == 0 || errno == ENOENT)
        return QString();
    return QStringLiteral("The unfinished new file could not be removed: ") + QFile::decodeName(temporary);
}

// Reads a list or a value of unknown length. The length is asked first, and again should
// it grow in between.
template <typename Read>
bool readGrowing(Read read, QByteArray* bytes) {
    for (;;) {
        const ssize_t length = read(nullptr, 0);
        if (length < 0)
            return false;
        bytes->resize(length);
        const ssize_t got = read(bytes->data(), size_t(length));
        if (got >= 0) {
            bytes->truncate(got);
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
}

QList<QByteArray> attributeNames(const QByteArray& list) {
    QList<QByteArray> names = list.split('\0');
    names.removeAll(QByteArray());
    return names;
}

// Gives the new file every extended attribute of the old one, its access list among them,
// and none else (one the folder's default access list gave it). Whether all of them went.
bool takeAttributes(int fd, const QByteArray& old) {
    QByteArray list, ownList;
    if (!readGrowing([&](char* buffer, size_t size) { return ::listxattr(old.constData(), buffer, size); }, &list) ||
        !readGrowing([&](char* buffer, size_t size) { return ::flistxattr(fd, buffer, size); }, &ownList))
        return errno == ENOTSUP;
    const QList<QByteArray> names = attributeNames(list);
    for (const QByteArray& name : attributeNames(ownList))
        if (!names.contains(name) && ::fremovexattr(fd, name.constData()) != 0)
            return false;
    for (const QByteArray& name : names) {
        QByteArray value;
        const auto read = [&](char* buffer, size_t size) { return ::getxattr(old.constData(), name.constData(), buffer, size); };
        if (!readGrowing(read, &value) || ::fsetxattr(fd, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return false;
    }
    return true;
}

// Gives the new file the old one's owner and group.
bool takeOwner(int fd, const struct stat& old) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    return (st.st_uid == old.st_uid && st.st_gid == old.st_gid) || ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

// Writes a new file beside the old one (if any) and renames it over it. Where the new file
// cannot be given what the old one has (its owner and group, its extended attributes, its
// mode), where the folder takes no new file, or where the old one cannot be replaced (a
// file mounted there), the old file is written in place instead.
SavedFile writeBeside(const QByteArray& target, const struct stat* old, const Content& content) {
    QByteArray temporary;
    const Descriptor file(createFor(folderOf(target), nameOf(target), "", old ? 0600 : 0666, &temporary));
    if (file.get() < 0)
        return old ? writeInPlace(target, content) : failure(errno);
    const auto inPlace = [&] {
        const QString left = discard(temporary);
        SavedFile result = writeInPlace(target, content);
        if (!result.ok && !left.isEmpty())
            result.remark += (result.remark.isEmpty() ? QString() : QStringLiteral("\r\n")) + left;
        return result;
    };
    const auto failed = [&](int error) {
        SavedFile result = failure(error);
        result.remark = discard(temporary);
        return result;
    };
    if (old && !takeOwner(file.get(), *old))
        return inPlace();
    if (const int error = writeAll(file.get(), content))
        return failed(error);
    // After the text, which would clear a file's capabilities; the mode last, after the
    // owner and the access list, which would each change it.
    if (old && (!takeAttributes(file.get(), target) || ::fchmod(file.get(), old->st_mode & 07777) != 0))
        return inPlace();
    if (::fsync(file.get()) != 0)
        return failed(errno);
    if (::rename(temporary.constData(), target.constData()) != 0)
        return old && errno == EBUSY ? inPlace() : failed(errno);
    // Until the folder is flushed a power cut could bring back the old file.
    if (const int error = syncFolder(folderOf(target))) {
        SavedFile result = failure(error);
        result.stamp = fileStamp(file.get());
        return result;
    }
    // Taken after the rename, which is itself a change of the file.
    return success(file.get());
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

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

SavedFile saveWholeFile(const QString& path, QByteArrayView bytes, QByteArrayView head) {
    const Content content{head, bytes};
    if (path.isEmpty())
        return failure(ENOENT);
    const QByteArray target = finalTarget(QFile::encodeName(path));
    if (target.isEmpty())
        return failure(ELOOP);
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    // Only a file that is not there is a new one; whatever else keeps the system from
    // looking may hide a file that must not be replaced.
    if (!exists && errno != ENOENT)
        return failure(errno);
    if (exists && S_ISDIR(old.st_mode))
        return failure(EISDIR);
    // A device or a pipe: a file renamed over it would take its place.
    if (exists && !S_ISREG(old.st_mode))
        return failure(QStringLiteral("Not a regular file"));
    // The folder's permission is enough for a rename; the file's own is asked, with the
    // effective ids, as opening it for writing would.
    if (exists && ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        return failure(errno);
    if (const int error = checkSizeLimit(content.size()))
        return failure(error);
    if (exists && old.st_nlink > 1)
        return writeInPlace(target, content);
    return writeBeside(target, exists ? &old : nullptr, content);
}

}  // namespace quillmar
