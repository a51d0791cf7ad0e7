#include "platform/program_file.h"
#include "platform/rich_text_box.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "support/main_window.h"

using namespace quillmar;

namespace {

// "(荒加工) 表ソ ｱ" in code page 932: the second bytes of 表 and ソ are 0x5C, the byte of
// the backslash, and ｱ is a one-byte half-width katakana.
const QByteArray kCp932 = QByteArray("(\x8d\x72\x89\xc1\x8d\x48) \x95\x5c\x83\x5c \xb1", 15);

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
    const QString path = dir.filePath(QStringLiteral("p.min"));
    ASSERT_TRUE(test::writeBytes(path, "O1000\r\nM30\r\n"));
    const ProgramFileWrite written = [&] {
        test::FileSizeLimit full(1024);
        return writeProgramFile(path, QStringLiteral("G01 X1.\r\n").repeated(400), TextEncoding::Utf8);
    }();
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.error, QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(test::readBytes(path), QByteArray("O1000\r\nM30\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("p.min")});
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("d.min")));
    EXPECT_FALSE(writeProgramFile(dir.filePath(QStringLiteral("d.min")), u"M30", TextEncoding::Utf8).ok);
    const QString fifo = dir.filePath(QStringLiteral("pipe.min"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(writeProgramFile(fifo, u"M30", TextEncoding::Utf8).ok);
    EXPECT_FALSE(QFileInfo(fifo).isFile()) << "a device or a pipe keeps its place";
    EXPECT_FALSE(writeProgramFile(dir.filePath(QStringLiteral("gone/p.min")), u"M30", TextEncoding::Utf8).ok);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("gone"))));
}
