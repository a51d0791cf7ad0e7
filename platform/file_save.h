#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillmar {

// What the system says of one file at one moment. Beside the size and the modification
// time (to the nanosecond) it holds what no program can set back: which file it is
// (device and inode) and when anything about it last changed. Any write to the file, or
// another file put in its place, gives another stamp.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 modifiedSeconds = 0;
    qint64 modifiedNanoseconds = 0;
    qint64 changedSeconds = 0;
    qint64 changedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at the path (through a link, of the file it names); one that
// does not exist when nothing can be found there.
FileStamp fileStamp(const QString& path);
// The stamp of an open file.
FileStamp fileStamp(int descriptor);

struct SavedFile {
    bool ok = false;
    QString error;    // why it failed, in the system's words
    QString remark;   // a file the failed save left behind, named for the user
    // The file as written; after a failure, as it is now where the save changed it all the
    // same (the old bytes put back, or the new file in place but not yet safe on disk).
    FileStamp stamp;
};

// Makes the bytes the whole content of the file at the path (through a link, of the file
// it names; the link stays), so that the file holds either all of them or, after a
// failure, what it held before. A file the saver may not write itself is refused, as is
// one larger than the process's file-size limit, before anything is written.
//
// The bytes go to a new file beside it, which takes the old file's owner, group, extended
// attributes (its access list among them) and mode, is flushed to disk and is then renamed
// over it, and the folder flushed too. Where that would change the file itself (an owner,
// group or attribute the saver cannot give, a second link that would keep the old text),
// where the folder takes no new file, or where the old one cannot be replaced (a file
// mounted there), the file is written in place instead: only once there is room for the
// whole text, and only after a copy of the old file is on disk, beside it or else in the
// user's state folder. A write that fails even so puts the old bytes back from that copy;
// where even that fails, the copy stays and the result's remark names it. The copy is
// removed once the file is whole; only the end of the process during such a save leaves it.
//
// A head (a byte-order mark) goes in front of the bytes without a copy of them.
SavedFile saveWholeFile(const QString& path, QByteArrayView bytes, QByteArrayView head = {});

// By default a write past the process's file-size limit ends the program (SIGXFSZ), and
// with it every unsaved document. Called once at start-up, so that such a write fails
// with "File too large" and the save says so.
void ignoreFileSizeSignal();

}  // namespace quillmar
