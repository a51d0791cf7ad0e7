#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <vector>

#include "app/insert_comment.h"
#include "cycles/process_error.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"
#include "support/documents.h"

using namespace quillmar;
using test::crlf;
using test::Document;

namespace {

const QDate kToday(2026, 12, 6);

// Records message boxes, answered OK.
struct Messages {
    modal::Responder responder;
    std::vector<modal::MessageRequest> shown;
    Messages() {
        responder.message = [this](const modal::MessageRequest& m) {
            shown.push_back(m);
            return int(modal::kOk);
        };
        modal::setResponder(&responder);
    }
    ~Messages() { modal::setResponder(nullptr); }
};

struct CommentCase {
    const char* name;
    int index;
    std::optional<QByteArray> commentFile;  // nullopt: there is none
    const char* document;
    qint64 caret;
    qint64 selection;
    const char* expected;  // "\n" stands for CR LF
    qint64 expectedCaret;
};

void PrintTo(const CommentCase& c, std::ostream* os) { *os << c.name; }

class InsertComment : public ::testing::TestWithParam<CommentCase> {};

TEST_P(InsertComment, InsertsAtTheCaretAsOneChange) {
    const CommentCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Comment.txt"));
    if (c.commentFile) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(*c.commentFile);
    }
    Document doc(crlf(c.document), c.caret);
    doc.box.setSelLength(c.selection);
    Messages messages;

    mnuInsertComment_Click(c.index, path, [] { return kToday; }, &doc.box, nullptr);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(doc.box.Text().toStdString(), crlf(c.expected).toStdString());
    EXPECT_EQ(doc.box.SelStart(), c.expectedCaret);
    EXPECT_EQ(doc.changes, 1);
    EXPECT_EQ(QFile::exists(path), c.commentFile.has_value());  // only read, never created
}

const QByteArray kHead = QByteArray("(PART:\r\n(");
const QByteArray kHeadCp932 = QByteArray("(\x89\xc1\x8d\x48:\r\n(");  // "加工" in code page 932

INSTANTIATE_TEST_SUITE_P(
    Table, InsertComment,
    ::testing::Values(
        CommentCase{"FixComment", 1, kHead, "O1\n", 4, 0, "O1\n(PART:\n( EDIT DATE  : 2026.12.06   )\n \n", 46},
        CommentCase{"FixCommentWithoutFileInsertsTheTail", 1, std::nullopt, "", 0, 0,
                    " EDIT DATE  : 2026.12.06   )\n \n", 33},
        CommentCase{"FixCommentDecodedAsAProgram", 1, kHeadCp932, "", 0, 0,
                    "(加工:\n( EDIT DATE  : 2026.12.06   )\n \n", 40},
        CommentCase{"FrameInAnEmptyDocument", 2, std::nullopt, "", 0, 0, "(-----<  >-----)", 8},
        CommentCase{"FrameReplacesTheSelection", 2, std::nullopt, "G01 X1", 4, 2, "G01 (-----<  >-----)", 12},
        CommentCase{"Date", 3, std::nullopt, "G04", 3, 0, "G042026.12.06", 13}));

// Far beyond a 16-bit position the caret still lands inside the frame.
TEST(InsertComment, FrameFarIntoALongDocument) {
    const QString text(40000, QLatin1Char('X'));
    Document doc(text, text.size());
    Messages messages;
    mnuInsertComment_Click(2, QString(), [] { return kToday; }, &doc.box, nullptr);
    EXPECT_EQ(doc.box.SelStart(), 40008);
    EXPECT_TRUE(messages.shown.empty());
}

struct FailureCase {
    const char* name;
    int index;
    bool document;
    bool commentIsFolder;
    int error;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class InsertCommentFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(InsertCommentFailure, ReportsAndInsertsNothing) {
    const FailureCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Comment.txt"));
    if (c.commentIsFolder) {
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Comment.txt")));
    }
    Document doc(QStringLiteral("O1"), 2);
    Messages messages;
    mnuInsertComment_Click(c.index, path, [] { return kToday; }, c.document ? &doc.box : nullptr, nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, processErrorTitle(c.error));
    EXPECT_EQ(messages.shown[0].text, processErrorText(c.error));
    EXPECT_EQ(doc.box.Text(), QStringLiteral("O1"));
    EXPECT_EQ(doc.changes, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, InsertCommentFailure,
                         ::testing::Values(FailureCase{"NoDocumentFix", 1, false, false, 91},
                                           FailureCase{"NoDocumentFrame", 2, false, false, 91},
                                           FailureCase{"NoDocumentDate", 3, false, false, 91},
                                           FailureCase{"UnreadableCommentFile", 1, true, true, 75}));

// The comment head shipped beside the program ends inside an open comment, without a
// line end, so the date closes it.
TEST(InsertComment, ShippedHeadEndsInsideItsComment) {
    QFile file(QStringLiteral(QUILLMAR_SOURCE_DIR "/resources/beside/Comment.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.readAll();
    ASSERT_FALSE(head.isEmpty());
    EXPECT_FALSE(head.endsWith('\n') || head.endsWith('\r'));
    EXPECT_GT(head.lastIndexOf('('), head.lastIndexOf(')'));
}

}  // namespace
