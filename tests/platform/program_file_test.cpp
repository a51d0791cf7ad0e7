#include "platform/program_file.h"
#include "platform/rich_text_box.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "support/main_window.h"

using namespace quillmar;

namespace {

// "(荒加工) 表ソ ｱ" in code page 932: the second bytes of 表 and ソ are 0x5C, the byte of
// the backslash, and ｱ is a one-byte half-width katakana.
const QByteArray kCp932 = QByteArray("(\x8d\x72\x89\xc1\x8d\x48) \x95\x5c\x83\x5c \xb1", 15);

constexpr uid_t kNobody = 65534;

// While this lives the calling thread works as the user nobody. The raw calls change this
// thread alone (the C library's would change them all); the saved root comes back.
struct AsNobody {
    AsNobody() { syscall(SYS_setresgid, -1, kNobody, -1), syscall(SYS_setresuid, -1, kNobody, -1); }
    ~AsNobody() { syscall(SYS_setresuid, -1, 0, -1), syscall(SYS_setresgid, -1, 0, -1); }
};

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System); }

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

// The saved file keeps its owner, group and mode, and every link to it sees the new text:
// replaced by a file given the old one's owner, or, where the saver cannot give it, where
// it has a second link, or where the folder takes no new file, written in place.
TEST(ProgramFile, ASaveKeepsTheOwnerGroupModeAndLinksOfTheFile) {
    if (geteuid() != 0)
        GTEST_SKIP() << "files of other owners are made as root";
    const struct Row {
        const char* what;
        uid_t owner;
        gid_t group;
        mode_t mode, folderMode;
        bool linked, byNobody;
    } rows[] = {
        {"another group with group write", 0, 12345, 0664, 0755, false, false},
        {"a second hard link", 0, 0, 0640, 0755, true, false},
        {"an owner the saver cannot give", 0, 0, 0666, 0777, false, true},
        {"a read-only folder holding a writable file", kNobody, kNobody, 0644, 0555, false, true},
    };
    QTemporaryDir dir;
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString folder = dir.filePath(QString::fromLatin1(row.what).replace(' ', '_'));
        const QString path = folder + QStringLiteral("/p.min"), other = folder + QStringLiteral("-link.min");
        const QByteArray folderName = QFile::encodeName(folder), name = QFile::encodeName(path);
        ASSERT_TRUE(QDir().mkdir(folder));
        ASSERT_TRUE(test::writeBytes(path, "O1\r\n"));
        ASSERT_EQ(chown(name.constData(), row.owner, row.group), 0);
        ASSERT_EQ(chmod(name.constData(), row.mode), 0);
        if (row.linked) {
            ASSERT_EQ(link(name.constData(), QFile::encodeName(other).constData()), 0);
        }
        ASSERT_EQ(chown(folderName.constData(), row.owner, row.group), 0);
        ASSERT_EQ(chmod(folderName.constData(), row.folderMode), 0);
        std::optional<AsNobody> nobody;
        if (row.byNobody)
            nobody.emplace();
        const ProgramFileWrite written = writeProgramFile(path, u"O2\r\nM30\r\n", TextEncoding::Utf8);
        nobody.reset();
        EXPECT_TRUE(written.ok) << written.error.toStdString();
        struct stat st {};
        stat(name.constData(), &st);
        EXPECT_TRUE(st.st_uid == row.owner && st.st_gid == row.group && (st.st_mode & 07777) == row.mode);
        EXPECT_EQ(test::readBytes(row.linked ? other : path), QByteArray("O2\r\nM30\r\n"));
        EXPECT_EQ(filesIn(folder), QStringList{"p.min"});
    }
}
