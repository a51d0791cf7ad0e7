#include "platform/file_save.h"
#include "platform/program_file.h"
#include "platform/rich_text_box.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <list>
#include <map>
#include <optional>
#include <tuple>
#include <vector>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "support/main_window.h"
#include "support/system_faults.h"

using namespace quillmar;

namespace {

// "(荒加工) 表ソ ｱ" in code page 932: the second bytes of 表 and ソ are 0x5C, the byte of
// the backslash, and ｱ is a one-byte half-width katakana.
const QByteArray kCp932 = QByteArray("(\x8d\x72\x89\xc1\x8d\x48) \x95\x5c\x83\x5c \xb1", 15);

using test::AsNobody;
using test::kNobody;

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System); }

ino_t inodeOf(const QString& path) {
    struct stat st {};
    return stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

QString reasonOf(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Every extended attribute of the file with its value, the access list among them.
std::map<QByteArray, QByteArray> attributesOf(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    QByteArray names(4096, '\0');
    const ssize_t length = listxattr(name.constData(), names.data(), size_t(names.size()));
    std::map<QByteArray, QByteArray> attributes;
    for (const QByteArray& key : names.left(std::max<ssize_t>(length, 0)).split('\0')) {
        QByteArray value(4096, '\0');
        if (!key.isEmpty())
            attributes[key] = value.left(std::max<ssize_t>(getxattr(name.constData(), key.constData(), value.data(), 4096), 0));
    }
    return attributes;
}

// The user's state folder, where a copy of a file written in place goes when its own
// folder takes none, in a folder every user may write while this lives.
struct StateFolder {
    QTemporaryDir dir;
    const QByteArray previous = qgetenv("XDG_STATE_HOME");
    StateFolder() {
        chmod(QFile::encodeName(dir.path()).constData(), 0777);
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir.path()));
    }
    ~StateFolder() { qputenv("XDG_STATE_HOME", previous); }
    QStringList files() const { return filesIn(dir.filePath(QStringLiteral("Quillmar"))); }
};

// Saves over "O1000\r\nM30\r\n" that the disk refuses, small and large, replacing the
// file and then, with a second link, in place: each says why in the system's words and
// leaves the old file and nothing else.
void expectRefusedSaves(const QString& folder, std::initializer_list<int> lineCounts, int error, rlim_t sizeLimit = 0) {
    const QString path = folder + QStringLiteral("/p.min");
    ASSERT_TRUE(test::writeBytes(path, "O1000\r\nM30\r\n"));
    for (bool linked : {false, true}) {
        if (linked) {
            ASSERT_EQ(link(QFile::encodeName(path).constData(), QFile::encodeName(folder + "/l.min").constData()), 0);
        }
        const QStringList before = filesIn(folder);
        for (int lines : lineCounts) {
            SCOPED_TRACE(lines);
            std::optional<test::FileSizeLimit> full;
            if (sizeLimit)
                full.emplace(sizeLimit);
            const ProgramFileWrite written =
                writeProgramFile(path, QStringLiteral("G01 X1.\r\n").repeated(lines), TextEncoding::Utf8);
            full.reset();
            EXPECT_FALSE(written.ok);
            EXPECT_EQ(written.error, QString::fromLocal8Bit(std::strerror(error)));
            EXPECT_EQ(test::readBytes(path), QByteArray("O1000\r\nM30\r\n"));
            EXPECT_EQ(filesIn(folder), before);
        }
    }
}

}  // namespace

TEST(ProgramFile, EveryKindOfFileIsSavedByteForByteAsItWasOpened) {
    const struct { QByteArray bytes; TextEncoding encoding; const char* shown = nullptr; } rows[] = {
        {"O1000\r\nG00 X100.\r\nM30\r\n", TextEncoding::Utf8},
        {"O1000\nG00 X100.\nM30\n", TextEncoding::Utf8},
        {"O1000\rG00 X100.\rM30\r", TextEncoding::Utf8},
        {"O1000\r\nG00\nX100.\rZ5.\n\r\r\nM30", TextEncoding::Utf8},
        {QByteArray("G01\0X1\r\n", 8), TextEncoding::Utf8},
        // The byte-order mark is the file's: the text begins after it.
        {"\xef\xbb\xbfO1000\r\n(\xe8\x8d\x92\xf0\x9f\x98\x80)\r\nM30", TextEncoding::Utf8, "O1000\r\n(荒😀)\r\nM30"},
        {"\xef\xbb\xbf", TextEncoding::Utf8, ""},
        {"\xef\xbb\xbf\xef\xbb\xbfO1", TextEncoding::Utf8, "\xef\xbb\xbfO1"},
        {"A\xef\xbf\xbf" "B\r\n\xf4\x8f\xbf\xbe" "C", TextEncoding::Utf8},
        {"O1000\r\n" + kCp932 + "\r\n(\x81\x69\x8e\x64\x8f\xe3\x82\xb0\x81\x6a)\r\nM30", TextEncoding::Cp932},
        // 0x81 0x20 is a lead byte without its second byte, 0xA0 has no character in 932.
        {"G01 X1.\xb0\r\n(\x81\x20\xa0\xff\xfe)\nM30\r\n", TextEncoding::Latin1},
        {"(\x8d\x72\x89\xc1)\r\n\x82", TextEncoding::Latin1},
        // Characters that code page 932 holds in two or three places, each form kept.
        {"(\x8d\x48\x92\xf6\x82\x50\x81\x46\x8a\x4f\x8c\x61\x8d\x72\x89\xc1\x8d\x48\x81\x40\x95\x5c\x96\xca"
         "\x83\x5c\x81\x60\x87\x40\xee\xe0)\r\n", TextEncoding::Cp932, "(工程１：外径荒加工　表面ソ～①髙)\r\n"},
        {"\xfb\xfc\x87\x90\x81\xe6\xfa\x4a", TextEncoding::Cp932, "髙≒∵Ⅰ"},
        {"\xee\xe0\x81\xe0\x87\x9a\x87\x54", TextEncoding::Cp932, "髙≒∵Ⅰ"},
        {"\x87\x40\xfa\x5b", TextEncoding::Cp932, "①∵"},
        // One character in two forms: the bytes are kept as they are.
        {"\xee\xe0\xfb\xfc", TextEncoding::Latin1, "îàûü"},
        // UTF-8 cut inside its last character is not UTF-8.
        {"O1\r\n(\xe5\xa4\x96\xe5\xbe", TextEncoding::Cp932, "O1\r\n(螟門ｾ"},
        {"(\xf0\x9f\x98", TextEncoding::Latin1},
    };
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.min")), out = dir.filePath(QStringLiteral("out.min"));
    for (const auto& row : rows) {
        for (const ReadAs readAs : {ReadAs::Bytes, ReadAs::Text}) {
            SCOPED_TRACE(row.bytes.toHex(' ').toStdString());
            ASSERT_TRUE(test::writeBytes(in, row.bytes));
            const ProgramFileRead read = readProgramFile(in, readAs);
            ASSERT_EQ(read.status, ProgramFileRead::Status::Read);
            EXPECT_EQ(read.encoding, row.encoding);
            RichTextBox box;
            box.load(read);
            EXPECT_TRUE(!row.shown || box.Text().toUtf8() == row.shown) << box.Text().toStdString();
            ASSERT_TRUE(box.saveTo(out, box.encoding()).ok);
            EXPECT_EQ(test::readBytes(out).toHex(' '), row.bytes.toHex(' '));
        }
    }
    EXPECT_EQ(decodeProgram(kCp932 + "\\~").text, QString::fromUtf8("(荒加工) 表ソ ｱ\\~"));
}

// A document keeps its code page while it takes text; what the code page cannot hold
// writes nothing until saving as UTF-8 is asked for.
TEST(ProgramFile, ACharacterTheCodePageLacksWritesNothingUnlessSavedAsUtf8) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.min"));
    RichTextBox box;
    box.load(QString::fromUtf8("O1\r\n"), TextEncoding::Cp932);
    box.setSelStart(4);
    box.setSelText(QString::fromUtf8("(荒)"));
    ASSERT_TRUE(box.saveTo(path, box.encoding()).ok);
    EXPECT_EQ(test::readBytes(path), QByteArray("O1\r\n(\x8d\x72)"));
    box.load(QString::fromLatin1("X1.\xb0\r\n"), TextEncoding::Latin1);
    box.setSelStart(box.textLength());
    box.setSelText(QString::fromUtf8("(荒)"));
    EXPECT_EQ(box.encoding(), TextEncoding::Latin1);
    EXPECT_TRUE(box.saveTo(path, box.encoding()).unrepresentable);
    EXPECT_TRUE(writeProgramFile(path, u"\u00e9", TextEncoding::Cp932).unrepresentable);
    EXPECT_EQ(test::readBytes(path), QByteArray("O1\r\n(\x8d\x72)"));
    ASSERT_TRUE(box.saveTo(path, TextEncoding::Utf8).ok);
    EXPECT_EQ(test::readBytes(path), QString::fromUtf8("X1.°\r\n(荒)").toUtf8());
    EXPECT_EQ(encodeText(u"\u2460", TextEncoding::Cp932), QByteArray("\x87\x40"));
}

// Text put into a code page 932 document is written in the forms its file uses: those of
// the same characters, and for others NEC's selection when the file chose it.
TEST(ProgramFile, TextPutIntoACp932DocumentTakesTheFormsOfItsFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.min"));
    const QByteArray file("\xee\xe0\x81\xe0\x87\x9a\x87\x54", 8);
    ASSERT_TRUE(test::writeBytes(path, file));
    RichTextBox box;
    box.load(readProgramFile(path, ReadAs::Bytes));
    box.setSelText(QString::fromUtf8("髙﨑∵√"));
    ASSERT_TRUE(box.saveTo(path, box.encoding()).ok);
    EXPECT_EQ(test::readBytes(path).toHex(' '), (QByteArray("\xee\xe0\xed\x95\x87\x9a\x81\xe3") + file).toHex(' '));
}

TEST(ProgramFile, OnlyRegularFilesAreReadAndAMissingOneIsNotCreated) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.min"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {dir.path(), fifo, QStringLiteral("/dev/zero")})
        EXPECT_EQ(readProgramFile(path).status, ProgramFileRead::Status::Failed) << path.toStdString();
    const QString missing = dir.filePath(QStringLiteral("none.min"));
    EXPECT_EQ(readProgramFile(missing).status, ProgramFileRead::Status::Missing);
    EXPECT_FALSE(QFileInfo::exists(missing));
}

// A write that fails (here: the file-size limit standing in for a full disk) leaves the
// old file whole and no temporary file behind, also when the text is small enough to sit
// in the write buffer until the commit; so does a folder in the way.
TEST(ProgramFile, AFailedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    expectRefusedSaves(dir.path(), {400, 4500}, EFBIG, 1024);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("d.min")));
    EXPECT_FALSE(writeProgramFile(dir.filePath(QStringLiteral("d.min")), u"M30", TextEncoding::Utf8).ok);
    const QString fifo = dir.filePath(QStringLiteral("pipe.min"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(writeProgramFile(fifo, u"M30", TextEncoding::Utf8).ok);
    EXPECT_FALSE(QFileInfo(fifo).isFile()) << "a device or a pipe keeps its place";
    EXPECT_FALSE(writeProgramFile(dir.filePath(QStringLiteral("gone/p.min")), u"M30", TextEncoding::Utf8).ok);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("gone"))));
    // The limit as the program meets it from its start, in a child with the signal at its
    // default: nothing is written past it, replacing a file or in place of a linked one
    // that shrinks by a byte.
    for (const bool linked : {false, true}) {
        const QString folder = dir.filePath(linked ? "linked" : "single"), path = folder + QStringLiteral("/p.min");
        const QByteArray old = linked ? QByteArray(12288, 'O') : QByteArray("O1");
        ASSERT_TRUE(QDir().mkdir(folder) && test::writeBytes(path, old));
        ASSERT_TRUE(!linked || link(QFile::encodeName(path).constData(), QFile::encodeName(folder + "/l.min").constData()) == 0);
        const QStringList before = filesIn(folder);
        const int status = test::waitStatusOfChild([&] {
            std::signal(SIGXFSZ, SIG_DFL);
            ignoreFileSizeSignal();
            const rlimit limit{8192, 8192};
            setrlimit(RLIMIT_FSIZE, &limit);
            const QString text(linked ? old.size() - 1 : 16384, 'G');
            return writeProgramFile(path, text, TextEncoding::Utf8).error == reasonOf(EFBIG) ? 0 : 1;
        });
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
        EXPECT_EQ(test::readBytes(path), old);
        EXPECT_EQ(filesIn(folder), before);
    }
}

// A system call that fails during a save leaves the whole old file, with its mode and
// attributes, and says why; a file the save then cannot remove is named, and a file whose
// attribute cannot be given to a new file is written in place.
TEST(ProgramFile, AFailedSystemCallLeavesTheWholeOldFile) {
    const QByteArray old("O1000\r\nM30\r\n");
    const struct Row {
        const char* what;
        bool linked;
        std::vector<std::tuple<const char*, int, int>> faults;  // function, error, calls that pass first
        int error = 0;                    // 0: the save is done
        const char* left = nullptr;       // what the file the message names holds
        bool newTextStays = false;        // the old bytes could not be put back
    } rows[] = {
        {"the new file's flush", false, {{"fsync", EIO, 0}}, EIO},
        {"a look at the file", false, {{"stat", EIO, 0}}, EIO},
        {"the copy of the old file", true, {{"copy_file_range", EIO, 0}}, EIO},
        {"the write in place", true, {{"pwrite", EIO, 0}}, EIO},
        {"the flush in place and putting the old bytes back", true, {{"fdatasync", EIO, 0}, {"copy_file_range", EIO, 1}}, EIO,
         "O1000\r\nM30\r\n", true},
        {"the write and the removal of the new file", false, {{"pwrite", EIO, 0}, {"unlink", EPERM, 0}}, EIO, ""},
        {"an attribute the new file cannot take", false, {{"fsetxattr", EPERM, 0}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.min"));
        ASSERT_TRUE(test::writeBytes(path, old));
        ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0600), 0);
        ASSERT_EQ(setxattr(QFile::encodeName(path).constData(), "user.origin", "lathe", 5, 0), 0) << std::strerror(errno);
        if (row.linked) {
            ASSERT_EQ(link(QFile::encodeName(path).constData(), QFile::encodeName(dir.filePath("l.min")).constData()), 0);
        }
        const QStringList before = filesIn(dir.path());
        const auto attributes = attributesOf(path);
        const ino_t inode = inodeOf(path);
        std::list<test::SystemCallFault> faults;
        for (const auto& [function, error, passing] : row.faults)
            faults.emplace_back(function, error, passing);
        const ProgramFileWrite written = writeProgramFile(path, u"O2\r\n", TextEncoding::Utf8);
        faults.clear();
        EXPECT_EQ(written.ok, row.error == 0);
        EXPECT_EQ(written.error, row.error ? reasonOf(row.error) : QString());
        EXPECT_EQ(test::readBytes(path), row.newTextStays || !row.error ? QByteArray("O2\r\n") : old);
        EXPECT_EQ(QFileInfo(path).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        EXPECT_EQ(attributesOf(path), attributes);
        if (!row.error) {
            EXPECT_EQ(inodeOf(path), inode) << "written in place";
        }
        QStringList after = filesIn(dir.path());
        if (row.left) {
            const QString named = dir.filePath(after.filter(QRegularExpression("^p\\.min\\.")).value(0));
            EXPECT_TRUE(written.remark.contains(named)) << written.remark.toStdString();
            EXPECT_EQ(test::readBytes(named), QByteArray(row.left));
            after.removeOne(QFileInfo(named).fileName());
        }
        EXPECT_EQ(after, before);
    }
}

// A save through a link writes the file the link names, and the link stays.
TEST(ProgramFile, ASaveThroughALinkWritesTheFileItNames) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.min")), link = dir.filePath(QStringLiteral("l.min"));
    ASSERT_TRUE(test::writeBytes(path, "O1") && QFile::link(QStringLiteral("p.min"), link));
    ASSERT_TRUE(writeProgramFile(link, u"O2", TextEncoding::Utf8).ok);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(test::readBytes(path), QByteArray("O2"));
}

// A disk of its own, full but for a page, so that a write begins and then finds no room.
TEST(ProgramFile, AFullDiskSaysSoAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QByteArray at = QFile::encodeName(dir.path());
    if (mount("tmpfs", at.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no disk of its own can be mounted here";
    const std::unique_ptr<const char, void (*)(const char*)> unmount(at.constData(), [](const char* a) { umount2(a, MNT_DETACH); });
    QFile filler(dir.filePath(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) > 0) {}
    ASSERT_TRUE(filler.resize(filler.size() - 4096 - 4096));
    expectRefusedSaves(dir.path(), {1100, 4500}, ENOSPC);
}

// On a copy-on-write disk even an overwrite takes new blocks: a linked program larger than
// the room left, saved a character shorter, is refused, and the old file stays whole.
TEST(ProgramFile, ACopyOnWriteDiskWithoutRoomKeepsTheWholeOldFile) {
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("disk.img")), at = dir.filePath(QStringLiteral("disk"));
    QFile disk(image);
    ASSERT_TRUE(QDir().mkdir(at) && disk.open(QIODevice::WriteOnly) && disk.resize(128 << 20));
    if (QProcess::execute(QStringLiteral("sh"), {"-c", QStringLiteral("mkfs.btrfs -q %1 && mount -o loop %1 %2").arg(image, at) + " >/dev/null 2>&1"}) != 0)
        GTEST_SKIP() << "no copy-on-write disk can be made and mounted here";
    const QByteArray atName = QFile::encodeName(at);
    const std::unique_ptr<const char, void (*)(const char*)> unmount(atName.constData(), [](const char* a) { umount2(a, MNT_DETACH); });
    const QString path = at + QStringLiteral("/p.min");
    const QByteArray old = QByteArray("G01 X1.\r\n").repeated(3 << 20);
    ASSERT_TRUE(test::writeBytes(path, old));
    ASSERT_EQ(link(QFile::encodeName(path).constData(), QFile::encodeName(at + "/l.min").constData()), 0);
    QFile filler(at + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(1 << 20, 'x')) > 0) {}
    ASSERT_TRUE(filler.resize(filler.size() - (8 << 20)));
    sync();
    const QStringList before = filesIn(at);
    const ProgramFileWrite written = writeFileBytes(path, QByteArrayView(old).sliced(1));
    EXPECT_EQ(written.error, reasonOf(ENOSPC));
    EXPECT_TRUE(test::readBytes(at + QStringLiteral("/l.min")) == old);
    EXPECT_EQ(filesIn(at), before);
}

// The saved file keeps its owner, group, mode and extended attributes (its access list
// among them), and every link to it sees the new text: replaced by a file given all of
// these, or, where the saver cannot give them, where it has a second link, where the folder
// takes no new file, or where it is mounted, written in place. A file the saver may not
// write itself stays as it was, unless the saver is root.
TEST(ProgramFile, ASaveKeepsTheOwnerGroupModeAndLinksOfTheFile) {
    if (geteuid() != 0)
        GTEST_SKIP() << "files of other owners are made as root";
    const QString acl = QStringLiteral("setfacl -m u:nobody:rw %1"), attribute = QStringLiteral("setfattr -n user.origin -v lathe %1");
    const struct Row {
        const char* what;
        uid_t owner;
        gid_t group;
        mode_t mode, folderMode;
        bool linked, byNobody;
        bool sameFile;                     // written in place (or refused), not replaced
        int refused = 0;                   // the error the save fails with, leaving the file
        QStringList prepare = {};          // commands run on the file first; a refusal skips the row
        QString name = QStringLiteral("p.min");
        bool mounted = false;              // another file is bind-mounted over it
    } rows[] = {
        {"another group with group write", 0, 12345, 0664, 0755, false, false, false},
        {"a second hard link", 0, 0, 0640, 0755, true, false, true},
        {"an owner the saver cannot give", 0, 0, 0666, 0777, false, true, true},
        {"a read-only folder holding a writable file", kNobody, kNobody, 0644, 0555, false, true, true},
        {"a read-only file of the saver's own", kNobody, kNobody, 0444, 0755, false, true, true, EACCES},
        {"a read-only file of the saver's own with a second link", kNobody, kNobody, 0444, 0755, true, true, true, EACCES},
        {"a read-only file saved by root", 0, 0, 0444, 0755, false, false, false},
        {"an access list and a user attribute", 0, 0, 0640, 0755, false, false, false, 0, {acl, attribute}},
        {"an access list on a file of nobody's own", kNobody, kNobody, 0600, 0755, false, true, false, 0, {acl}},
        {"a name as long as a name can be", 0, 0, 0644, 0755, false, false, false, 0, {}, QString(250, 'p') + ".min"},
        {"a mounted file", 0, 0, 0644, 0755, false, false, true, 0, {}, QStringLiteral("p.min"), true},
    };
    QTemporaryDir dir;
    const StateFolder state;
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString folder = dir.filePath(QString::fromLatin1(row.what).replace(' ', '_').remove('\''));
        const QString path = folder + '/' + row.name, other = folder + QStringLiteral("-link.min");
        const QByteArray folderName = QFile::encodeName(folder), name = QFile::encodeName(path);
        ASSERT_TRUE(QDir().mkdir(folder));
        ASSERT_TRUE(test::writeBytes(path, "O1\r\n"));
        if (row.mounted && (!test::writeBytes(other, "O1\r\n") ||
                            mount(QFile::encodeName(other).constData(), name.constData(), nullptr, MS_BIND, nullptr) != 0)) {
            std::cout << "[  SKIPPED ] " << row.what << ": no file can be mounted here\n";
            continue;
        }
        ASSERT_EQ(chown(name.constData(), row.owner, row.group), 0);
        ASSERT_EQ(chmod(name.constData(), row.mode), 0);
        if (row.linked) {
            ASSERT_EQ(link(name.constData(), QFile::encodeName(other).constData()), 0);
        }
        const auto refusing = std::find_if(row.prepare.begin(), row.prepare.end(), [&](const QString& command) {
            return QProcess::execute(QStringLiteral("sh"), {"-c", command.arg(path) + " 2>/dev/null"}) != 0;
        });
        if (refusing != row.prepare.end()) {
            std::cout << "[  SKIPPED ] " << row.what << ": refused here: " << refusing->toStdString() << "\n";
            continue;
        }
        ASSERT_EQ(chown(folderName.constData(), row.owner, row.group), 0);
        ASSERT_EQ(chmod(folderName.constData(), row.folderMode), 0);
        struct stat before {};
        stat(name.constData(), &before);
        const auto attributes = attributesOf(path);
        const ino_t inode = inodeOf(path);
        std::optional<AsNobody> nobody;
        if (row.byNobody)
            nobody.emplace();
        const ProgramFileWrite written = writeProgramFile(path, u"O2\r\nM30\r\n", TextEncoding::Utf8);
        nobody.reset();
        EXPECT_EQ(written.ok, !row.refused) << written.error.toStdString();
        EXPECT_EQ(written.error, row.refused ? reasonOf(row.refused) : QString());
        struct stat st {};
        stat(name.constData(), &st);
        EXPECT_TRUE(st.st_uid == before.st_uid && st.st_gid == before.st_gid && st.st_mode == before.st_mode);
        EXPECT_EQ(attributesOf(path), attributes);
        EXPECT_EQ(inodeOf(path) == inode, row.sameFile);
        EXPECT_EQ(test::readBytes(row.linked || row.mounted ? other : path), row.refused ? "O1\r\n" : "O2\r\nM30\r\n");
        EXPECT_EQ(filesIn(folder), QStringList{row.name});
        EXPECT_EQ(state.files(), QStringList());
        if (row.mounted)
            umount2(name.constData(), MNT_DETACH);
    }
}
