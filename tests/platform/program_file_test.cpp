#include "platform/program_file.h"
#include "platform/rich_text_box.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillmar;

namespace {

QByteArray bytesOf(const char* data, qsizetype size) { return QByteArray(data, size); }

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray("<unreadable>");
    return file.readAll();
}

bool writeRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct RoundTripCase {
    const char* name;
    QByteArray bytes;
    TextEncoding encoding;
};

// "(荒加工) 表ソ ｱ" in code page 932: the second bytes of 表 and ソ are 0x5C, the byte of
// the backslash, and ｱ is a one-byte half-width katakana.
const QByteArray kCp932Comment = bytesOf("(\x8d\x72\x89\xc1\x8d\x48) \x95\x5c\x83\x5c \xb1", 15);

std::vector<RoundTripCase> roundTripCases() {
    return {
        {"crlf", "O1000\r\nG00 X100.\r\nM30\r\n", TextEncoding::Utf8},
        {"lf", "O1000\nG00 X100.\nM30\n", TextEncoding::Utf8},
        {"cr", "O1000\rG00 X100.\rM30\r", TextEncoding::Utf8},
        {"mixed", "O1000\r\nG00\nX100.\rZ5.\n\r\r\nM30", TextEncoding::Utf8},
        {"no final line end", "G00 X1.\r\nM30", TextEncoding::Utf8},
        {"empty", "", TextEncoding::Utf8},
        {"nul byte", bytesOf("G01\0X1\r\n", 8), TextEncoding::Utf8},
        {"utf8 japanese", "(\xe8\x8d\x92\xe5\x8a\xa0\xe5\xb7\xa5) G01 X1.\r\nM30\r\n", TextEncoding::Utf8},
        {"utf8 with byte-order mark", "\xef\xbb\xbfO1000\r\nM30\r\n", TextEncoding::Utf8},
        {"utf8 surrogate pair", "(\xf0\x9f\x98\x80)\r\n", TextEncoding::Utf8},
        {"utf8 noncharacters", "A\xef\xbf\xbf" "B\r\n\xf4\x8f\xbf\xbe" "C", TextEncoding::Utf8},
        {"cp932 comments", "O1000\r\n" + kCp932Comment + "\r\nG00 X1.\r\n(\x81\x69\x8e\x64\x8f\xe3\x82\xb0\x81\x6a)\r\nM30",
         TextEncoding::Cp932},
        // 0x81 0x20 is a lead byte without its second byte, 0xA0 has no character in 932.
        {"neither utf8 nor cp932", "G01 X1.\xb0\r\n(\x81\x20\xa0\xff\xfe)\nM30\r\n", TextEncoding::Latin1},
        {"cp932 lead byte at the end", "(\x8d\x72\x89\xc1)\r\n\x82", TextEncoding::Latin1},
    };
}

}  // namespace

TEST(ProgramFile, Cp932IsAvailable) {
    EXPECT_TRUE(cp932Available());
}

TEST(ProgramFile, DecodesCp932AsWindowsDoes) {
    const DecodedProgram decoded = decodeProgram(kCp932Comment + "\\~");
    ASSERT_EQ(decoded.encoding, TextEncoding::Cp932);
    EXPECT_EQ(decoded.text, QString::fromUtf8("(荒加工) 表ソ ｱ\\~"));
}

TEST(ProgramFile, RoundTripThroughTheTextBoxKeepsEveryByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const RoundTripCase& c : roundTripCases()) {
        SCOPED_TRACE(c.name);
        const QString in = dir.filePath(QStringLiteral("in.min"));
        const QString out = dir.filePath(QStringLiteral("out.min"));
        ASSERT_TRUE(writeRaw(in, c.bytes));

        const ProgramFileRead read = readProgramFile(in);
        ASSERT_EQ(read.status, ProgramFileRead::Status::Read);
        EXPECT_EQ(read.encoding, c.encoding);

        RichTextBox box;
        box.load(read.text, read.encoding);
        EXPECT_EQ(box.encoding(), c.encoding);
        EXPECT_EQ(box.Text(), read.text);

        const ProgramFileWrite written = writeProgramFile(out, box.Text(), box.encoding());
        ASSERT_TRUE(written.ok) << written.error.toStdString();
        EXPECT_EQ(readAll(out).toHex(' '), c.bytes.toHex(' '));

        // The same through the bytes: read without decoding, loaded and saved as they are.
        const ProgramFileRead raw = readProgramFile(in, ReadAs::Bytes);
        EXPECT_EQ(raw.encoding, c.encoding);
        RichTextBox rawBox;
        rawBox.load(raw);
        EXPECT_EQ(rawBox.Text(), read.text);
        EXPECT_EQ(rawBox.textLength(), read.text.size());
        ASSERT_TRUE(rawBox.saveTo(out, rawBox.encoding()).ok);
        EXPECT_EQ(readAll(out).toHex(' '), c.bytes.toHex(' '));
    }
}

TEST(ProgramFile, EditingAfterANoncharacterChangesOnlyTheEditedCharacter) {
    const DecodedProgram decoded = decodeProgram(bytesOf("A\xef\xbf\xbf" "B\r\nC", 8));
    RichTextBox box;
    box.load(decoded.text, decoded.encoding);
    box.select(2, 1);
    ASSERT_EQ(box.SelText(), QStringLiteral("B"));
    box.setSelText(QStringLiteral("Z"));
    const std::optional<QByteArray> bytes = encodeText(box.Text(), box.encoding());
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->toHex(' '), QByteArray("41 ef bf bf 5a 0d 0a 43"));
}

TEST(ProgramFile, JapaneseInsertedIntoACp932DocumentIsWrittenIn932) {
    RichTextBox box;
    box.load(QString::fromUtf8("O1000\r\nM30\r\n"), TextEncoding::Cp932);
    box.setSelStart(7);
    box.setSelText(QString::fromUtf8("(荒加工)\r\n"));
    const std::optional<QByteArray> bytes = encodeText(box.Text(), box.encoding());
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->toHex(' '), QByteArray("O1000\r\n(\x8d\x72\x89\xc1\x8d\x48)\r\nM30\r\n").toHex(' '));
}

TEST(ProgramFile, ACharacterTheCodePageLacksWritesNothingUnlessSavedAsUtf8) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.min"));
    const QString text = QString::fromUtf8("(荒加工 é)\r\n");
    const ProgramFileWrite refused = writeProgramFile(path, text, TextEncoding::Cp932);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.unrepresentable);
    EXPECT_FALSE(QFileInfo::exists(path));
    ASSERT_TRUE(writeProgramFile(path, text, TextEncoding::Utf8).ok);
    EXPECT_EQ(readAll(path), text.toUtf8());
    const ProgramFileRead again = readProgramFile(path);
    EXPECT_EQ(again.encoding, TextEncoding::Utf8);
    EXPECT_EQ(again.text, text);
}

TEST(ProgramFile, Latin1DocumentTakingJapaneseKeepsItsTextAndItsCodePageUntilAsked) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.min"));
    RichTextBox box;
    box.load(QString::fromLatin1("X1.\xb0\r\n"), TextEncoding::Latin1);
    box.setSelStart(box.textLength());
    box.setSelText(QString::fromUtf8("(荒)"));
    EXPECT_EQ(box.encoding(), TextEncoding::Latin1);
    EXPECT_EQ(box.Text(), QString::fromUtf8("X1.°\r\n(荒)"));
    EXPECT_TRUE(box.saveTo(path, box.encoding()).unrepresentable);
    EXPECT_FALSE(QFileInfo::exists(path));
    ASSERT_TRUE(box.saveTo(path, TextEncoding::Utf8).ok);
    EXPECT_EQ(readAll(path), QString::fromUtf8("X1.°\r\n(荒)").toUtf8());
}

TEST(ProgramFile, MissingFileGivesAnEmptyDocumentAndCreatesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("none.min"));
    const ProgramFileRead read = readProgramFile(path);
    EXPECT_EQ(read.status, ProgramFileRead::Status::Missing);
    EXPECT_TRUE(read.text.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(ProgramFile, OnlyRegularFilesAreRead) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.min"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {dir.path(), fifo, QStringLiteral("/dev/zero")}) {
        const ProgramFileRead read = readProgramFile(path);
        EXPECT_EQ(read.status, ProgramFileRead::Status::Failed) << path.toStdString();
        EXPECT_FALSE(read.error.isEmpty()) << path.toStdString();
    }
}

TEST(ProgramFile, SavingIntoAMissingFolderFailsAndCreatesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone/p.min"));
    const ProgramFileWrite written = writeProgramFile(path, u"M30", TextEncoding::Utf8);
    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("gone"))));
}

TEST(ProgramFile, SavingOverAFolderFails) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.min"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("p.min")));
    EXPECT_FALSE(writeProgramFile(path, u"M30", TextEncoding::Utf8).ok);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

// Root passes by folder permissions, so under root the write runs as "nobody" for the
// moment of the save.
TEST(ProgramFile, SavingIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/p.min");
    ASSERT_TRUE(writeRaw(path, "O1000\r\nM30\r\n"));
    const auto traverse = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                          | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                          | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), traverse));
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                                  | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                  | QFileDevice::ExeOther));
    const bool root = geteuid() == 0;
    if (root && seteuid(65534) != 0) {
        QFile::setPermissions(folder, traverse);
        GTEST_SKIP() << "cannot drop root to test folder permissions";
    }
    const ProgramFileWrite written = writeProgramFile(path, u"new text", TextEncoding::Utf8);
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    QFile::setPermissions(folder, traverse);

    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.error.isEmpty());
    EXPECT_EQ(readAll(path), QByteArray("O1000\r\nM30\r\n"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("p.min")});
}

// A write that fails (here: the file-size limit standing in for a full disk) leaves the
// old file whole and no temporary file behind, also when the text is small enough to sit
// in the write buffer until the commit.
TEST(ProgramFile, AWriteFailingHalfwayKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.min"));
    ASSERT_TRUE(writeRaw(path, "O1000\r\nM30\r\n"));
    const QString longText = QStringLiteral("G01 X1.\r\n").repeated(400);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    auto* const previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const ProgramFileWrite written = writeProgramFile(path, longText, TextEncoding::Utf8);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(written.ok);
    EXPECT_EQ(readAll(path), QByteArray("O1000\r\nM30\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("p.min")});
}

TEST(ProgramFile, EncodeReportsCharactersOutsideTheCodePage) {
    EXPECT_FALSE(encodeText(u"\u00e9", TextEncoding::Cp932).has_value());
    EXPECT_FALSE(encodeText(u"\u8352", TextEncoding::Latin1).has_value());
    EXPECT_EQ(encodeText(u"\u00e9", TextEncoding::Latin1), QByteArray("\xe9"));
    EXPECT_EQ(encodeText(u"\u2460", TextEncoding::Cp932), QByteArray("\x87\x40"));
}
