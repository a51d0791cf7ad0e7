#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "app/insert_comment.h"
#include "cycles/process_error.h"
#include "platform/rich_text_box.h"
#include "support/documents.h"

using namespace quillmar;
using test::crlf;
using test::Document;

namespace {

const QDate kToday(2026, 12, 6);

using Messages = test::MessageLog;

TEST(InsertComment, InsertsAtTheCaretAsOneChange) {
    const struct {
        const char* name;
        int index;
        std::optional<QByteArray> commentFile;  // nullopt: there is none
        const char* document;
        qint64 caret, selection;
        const char* expected;  // "\n" stands for CR LF
        qint64 expectedCaret;
        TextEncoding encoding = TextEncoding::Utf8;  // the document's code page after
    } cases[] = {
        {"fixed comment", 1, QByteArray("(PART:\r\n("), "O1\n", 4, 0, "O1\n(PART:\n( EDIT DATE  : 2026.12.06   )\n \n", 46},
        {"fixed comment without its file", 1, std::nullopt, "", 0, 0, " EDIT DATE  : 2026.12.06   )\n \n", 33},
        {"fixed comment in code page 932", 1, QByteArray("(\x89\xc1\x8d\x48:\r\n("), "", 0, 0,
         "(加工:\n( EDIT DATE  : 2026.12.06   )\n \n", 40, TextEncoding::Cp932},
        {"fixed comment in code page 932 into Japanese", 1, QByteArray("(\x89\xc1\x8d\x48:"), "(荒)", 0, 0,
         "(加工: EDIT DATE  : 2026.12.06   )\n \n(荒)", 37},
        {"fixed comment with the UTF-8 mark", 1, QByteArray("\xef\xbb\xbf(PART:"), "", 0, 0,
         "(PART: EDIT DATE  : 2026.12.06   )\n \n", 39},
        {"frame replaces the selection", 2, std::nullopt, "G01 X1", 4, 2, "G01 (-----<  >-----)", 12},
        {"date", 3, std::nullopt, "G04", 3, 0, "G042026.12.06", 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Comment.txt"));
        QFile file(path);
        ASSERT_TRUE(!c.commentFile || (file.open(QIODevice::WriteOnly) && file.write(*c.commentFile) > 0));
        file.close();
        Document doc(crlf(c.document), c.caret);
        doc.box.setSelLength(c.selection);
        Messages messages;
        mnuInsertComment_Click(c.index, path, [] { return kToday; }, &doc.box, nullptr);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(doc.box.Text().toStdString(), crlf(c.expected).toStdString());
        EXPECT_EQ(doc.box.SelStart(), c.expectedCaret);
        EXPECT_EQ(doc.box.encoding(), c.encoding);
        EXPECT_EQ(doc.changes, 1);
        EXPECT_EQ(QFile::exists(path), c.commentFile.has_value());  // only read, never created
    }
    // Far beyond a 16-bit position the caret still lands inside the frame.
    Document doc(QString(40000, QLatin1Char('X')), 40000);
    mnuInsertComment_Click(2, QString(), [] { return kToday; }, &doc.box, nullptr);
    EXPECT_EQ(doc.box.SelStart(), 40008);
}

TEST(InsertComment, ReportsAndInsertsNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Comment.txt")));
    const QString path = dir.filePath(QStringLiteral("Comment.txt"));
    for (const auto& [index, document, error] : {std::tuple{1, true, 75}, {1, false, 91}, {2, false, 91}, {3, false, 91}}) {
        Document doc(QStringLiteral("O1"), 2);
        Messages messages;
        mnuInsertComment_Click(index, path, [] { return kToday; }, document ? &doc.box : nullptr, nullptr);
        ASSERT_EQ(messages.shown.size(), 1u) << index;
        EXPECT_EQ(messages.shown[0].text, processErrorText(error)) << index;
        EXPECT_EQ(doc.changes, 0);
    }
    // A comment file over Insert File's limit is refused as Insert File refuses a file.
    QFile large(dir.filePath(QStringLiteral("Large.txt")));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.write(QByteArray(65001, '(')) == 65001);
    large.close();
    Document doc(QStringLiteral("O1"), 2);
    Messages messages;
    mnuInsertComment_Click(1, large.fileName(), [] { return kToday; }, &doc.box, nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("このファイルはサイズが大きすぎるため開くことが出来ません。"));
    EXPECT_EQ(doc.changes, 0);
}

// The comment head shipped beside the program ends inside an open comment, without a
// line end, so the date closes it.
TEST(InsertComment, ShippedHeadEndsInsideItsComment) {
    QFile file(QStringLiteral(QUILLMAR_SOURCE_DIR "/resources/beside/Comment.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.readAll();
    EXPECT_FALSE(head.isEmpty() || head.endsWith('\n') || head.endsWith('\r'));
    EXPECT_GT(head.lastIndexOf('('), head.lastIndexOf(')'));
}

}  // namespace
