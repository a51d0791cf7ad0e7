#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <sys/stat.h>

#include "app/insert_file.h"
#include "common/shared_state.h"
#include "cycles/process_error.h"
#include "platform/rich_text_box.h"
#include "support/documents.h"
#include "support/main_window.h"
#include "support/system_faults.h"

using namespace quillmar;
using test::Document;

namespace {

using User = test::MessageLog;

enum class Kind { Bytes, Folder, Pipe, Missing, Cancel, Unreadable };

TEST(InsertFile, InsertsTheWholeFileOrNothing) {
    const QByteArray limit(65000, 'G');
    const struct {
        Kind kind;
        QByteArray bytes;
        QString inserted;
        bool refused = false;    // the size message was shown
        const char* reason = {};  // the message Open shows, with the system's reason
    } cases[] = {
        {Kind::Bytes, limit, QString::fromLatin1(limit)}, {Kind::Bytes, limit + 'G', {}, true},
        {Kind::Bytes, "(\x89\xc1\x8d\x48)\r\n", QStringLiteral("(加工)\r\n")}, {Kind::Folder, {}, {}, false, "Is a folder"},
        {Kind::Bytes, "(\xe5\xa4\x96\xe5\xbe", QStringLiteral("(螟門ｾ")},  // UTF-8 cut in its last character
        {Kind::Pipe, {}, {}, false, "Not a regular file"}, {Kind::Missing, {}, {}}, {Kind::Cancel, {}, {}},
        {Kind::Unreadable, "G01", {}, false, "Permission denied"},
        {Kind::Bytes, "\xef\xbb\xbf(X)\r\n", QStringLiteral("(X)\r\n")},  // the file's mark stays with the file
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString sub = dir.filePath(QStringLiteral("lib")), path = sub + QStringLiteral("/PART.LIB");
        ASSERT_TRUE(QDir().mkdir(sub));
        if (c.kind == Kind::Bytes || c.kind == Kind::Unreadable) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.bytes) == c.bytes.size());
        }
        // Read by a user who may see the file but not read it.
        std::optional<test::AsNobody> nobody;
        if (c.kind == Kind::Unreadable) {
            ASSERT_TRUE(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0 &&
                        ::chmod(QFile::encodeName(sub).constData(), 0755) == 0 &&
                        ::chmod(QFile::encodeName(path).constData(), 0) == 0);
            nobody.emplace();
        }
        ASSERT_TRUE(c.kind != Kind::Folder || QDir().mkdir(path));
        ASSERT_TRUE(c.kind != Kind::Pipe || ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        SharedState s;
        s.gInsertDir = dir.path();
        Document doc(QStringLiteral("O1\r\nM30\r\n"), 4);
        User user;
        if (c.kind != Kind::Cancel)
            user.choice = path;
        mnuInsertFile_Click(s, &doc.box, nullptr);
        nobody.reset();
        ASSERT_EQ(user.asked.size(), 1u);
        EXPECT_EQ(user.asked[0].directory, dir.path());
        // A program file named without an extension is listed under All Files.
        EXPECT_EQ(modal::nameFilters(user.asked[0].filter).join(QLatin1Char('|')),
                  QStringLiteral("All Files (*)|LIB File (*.lib *.LIB)|System Sub (*.ssb *.SSB)"));
        EXPECT_EQ(s.gInsertDir, c.kind == Kind::Cancel ? dir.path() : sub);
        EXPECT_EQ(doc.box.Text(), QStringLiteral("O1\r\n") + c.inserted + QStringLiteral("M30\r\n")) << int(c.kind);
        EXPECT_EQ(doc.box.SelStart(), 4 + c.inserted.size());
        EXPECT_EQ(doc.changes, c.inserted.isEmpty() ? 0 : 1);
        ASSERT_EQ(user.shown.size(), c.refused || c.reason ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(user.shown[0].text, QStringLiteral("このファイルはサイズが大きすぎるため開くことが出来ません。"));
        }
        if (c.reason) {
            EXPECT_EQ(user.shown[0].text, path + QStringLiteral("\r\n") + QString::fromUtf8(c.reason));
            EXPECT_EQ(user.shown[0].style, modal::kOkOnly | modal::kExclamation);
        }
    }
    // Without a document the report comes before the dialog.
    SharedState s;
    User user;
    mnuInsertFile_Click(s, nullptr, nullptr);
    EXPECT_TRUE(user.asked.empty());
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, processErrorTitle(91));
}

// A document of plain ASCII takes the code page (and the forms) of the file inserted into
// it, so that the inserted bytes are saved as they were; one holding other characters, or
// whose file carries the UTF-8 mark, keeps its own.
TEST(InsertFile, AnAsciiDocumentTakesTheCodePageOfTheInsertedFile) {
    const QByteArray lib932("(\x89\xc1\x8d\x48\x87\x90)\r\n");  // "(加工≒)" with NEC's form of ≒
    const struct {
        const char* name;
        std::optional<QByteArray> program;  // nullopt: a new document
        QByteArray lib;
        TextEncoding encoding;
        QByteArray saved;
    } cases[] = {
        {"932 into ASCII", "O1\r\nM30\r\n", lib932, TextEncoding::Cp932, "O1\r\n" + lib932 + "M30\r\n"},
        {"932 into a new document", std::nullopt, lib932, TextEncoding::Cp932, lib932},
        {"932 into Japanese UTF-8", "O1(\xe8\x8d\x92)\r\nM30", lib932, TextEncoding::Utf8,
         "O1(\xe8\x8d\x92)\r\n(\xe5\x8a\xa0\xe5\xb7\xa5\xe2\x89\x92)\r\nM30"},
        {"932 into ASCII with the UTF-8 mark", "\xef\xbb\xbfO1\r\nM30", lib932, TextEncoding::Utf8,
         "\xef\xbb\xbfO1\r\n(\xe5\x8a\xa0\xe5\xb7\xa5\xe2\x89\x92)\r\nM30"},
        {"8-bit into ASCII", "O1\r\nM30", "(\xa0\xff)\r\n", TextEncoding::Latin1, "O1\r\n(\xa0\xff)\r\nM30"},
        {"ASCII into ASCII", "O1\r\nM30", "G00\r\n", TextEncoding::Utf8, "O1\r\nG00\r\nM30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("O1.min")), lib = dir.filePath(QStringLiteral("P.LIB"));
        RichTextBox box;
        if (c.program) {
            ASSERT_TRUE(test::writeBytes(program, *c.program));
            box.load(readProgramFile(program, ReadAs::Bytes));
            box.setSelStart(box.Text().indexOf(QLatin1Char('\n')) + 1);
        }
        ASSERT_TRUE(test::writeBytes(lib, c.lib));
        SharedState s;
        User user;
        user.choice = lib;
        mnuInsertFile_Click(s, &box, nullptr);
        EXPECT_EQ(box.encoding(), c.encoding);
        ASSERT_TRUE(box.saveTo(program, box.encoding()).ok);
        EXPECT_EQ(test::readBytes(program).toHex(' '), c.saved.toHex(' '));
    }
}

}  // namespace
