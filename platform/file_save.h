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
    FileStamp stamp;  // the file as written
};

// Makes the bytes the whole content of the file at the path (through a link, of the file
// it names; the link stays), so that the file holds either all of them or, after a
// failure, what it held before.
//
// The bytes go to a new file beside it, which takes the old file's owner, group and mode
// and is then renamed over it. Where that would change the file itself (an owner or
// group the saver cannot give, a second link that would keep the old text) or the folder
// takes no new file, the file is written in place instead, and only once there is room
// for the whole text; a write that fails even so puts the old bytes back (only the end of
// the process in the middle of such a write could leave less).
//
// A head (a byte-order mark) goes in front of the bytes without a copy of them.
SavedFile saveWholeFile(const QString& path, QByteArrayView bytes, QByteArrayView head = {});

}  // namespace quillmar
