#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <sys/stat.h>
#include <vector>

#include "app/insert_file.h"
#include "common/shared_state.h"
#include "cycles/process_error.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"
#include "support/documents.h"

using namespace quillmar;
using test::Document;

namespace {

// The user of the file dialog: answers with a path (or cancels) and records what was
// asked and shown.
struct User {
    std::optional<QString> choice;
    modal::Responder responder;
    std::vector<modal::FileRequest> asked;
    std::vector<modal::MessageRequest> shown;
    User() {
        responder.file = [this](const modal::FileRequest& r) {
            asked.push_back(r);
            return choice;
        };
        responder.message = [this](const modal::MessageRequest& m) {
            shown.push_back(m);
            return int(modal::kOk);
        };
        modal::setResponder(&responder);
    }
    ~User() { modal::setResponder(nullptr); }
};

enum class Kind { Bytes, Folder, Pipe, Missing, Cancel };

struct FileCase {
    const char* name;
    Kind kind;
    QByteArray bytes;
    const char* expectedText;  // UTF-8; nullptr: the document is unchanged
    bool refused = false;      // the size message was shown
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

class InsertFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(InsertFile, InsertsTheWholeFileOrNothing) {
    const FileCase& c = GetParam();
    QTemporaryDir dir;
    const QString sub = dir.filePath(QStringLiteral("lib"));
    ASSERT_TRUE(QDir().mkdir(sub));
    const QString path = sub + QStringLiteral("/PART.LIB");
    switch (c.kind) {
        case Kind::Bytes: {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(c.bytes), c.bytes.size());
            break;
        }
        case Kind::Folder:
            ASSERT_TRUE(QDir().mkdir(path));
            break;
        case Kind::Pipe:
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            break;
        case Kind::Missing:
        case Kind::Cancel:
            break;
    }
    SharedState s;
    s.gInsertDir = dir.path();
    const QString before = QStringLiteral("O1\r\nM30\r\n");
    Document doc(before, 4);
    User user;
    if (c.kind != Kind::Cancel)
        user.choice = path;

    mnuInsertFile_Click(s, &doc.box, nullptr);

    ASSERT_EQ(user.asked.size(), 1u);
    EXPECT_EQ(user.asked[0].directory, dir.path());
    EXPECT_EQ(modal::nameFilters(user.asked[0].filter).size(), 3);
    EXPECT_EQ(s.gInsertDir, c.kind == Kind::Cancel ? dir.path() : sub);
    if (c.expectedText) {
        const QString inserted = QString::fromUtf8(c.expectedText);
        EXPECT_EQ(doc.box.Text(), before.left(4) + inserted + before.mid(4));
        EXPECT_EQ(doc.box.SelStart(), 4 + inserted.size());
        EXPECT_EQ(doc.changes, 1);
    } else {
        EXPECT_EQ(doc.box.Text(), before);
        EXPECT_EQ(doc.changes, 0);
    }
    if (c.refused) {
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text, QStringLiteral("このファイルはサイズが大きすぎるため開くことが出来ません。"));
        EXPECT_EQ(user.shown[0].style, modal::kOkOnly);
        EXPECT_EQ(user.shown[0].title, QStringLiteral("Quillmar"));
    } else {
        EXPECT_TRUE(user.shown.empty());
    }
}

const QByteArray kLimit(65000, 'G');
const std::string kLimitText(65000, 'G');

INSTANTIATE_TEST_SUITE_P(
    Table, InsertFile,
    ::testing::Values(FileCase{"ExactlyTheLimit", Kind::Bytes, kLimit, kLimitText.c_str()},
                      FileCase{"OneByteOver", Kind::Bytes, kLimit + 'G', nullptr, true},
                      FileCase{"CodePage932", Kind::Bytes, "(\x89\xc1\x8d\x48)\r\n", "(加工)\r\n"},
                      FileCase{"Folder", Kind::Folder, {}, nullptr},
                      FileCase{"PipeIsNeverOpened", Kind::Pipe, {}, nullptr},
                      FileCase{"Missing", Kind::Missing, {}, nullptr},
                      FileCase{"Cancel", Kind::Cancel, {}, nullptr}));

TEST(InsertFile, WithoutADocumentReportsBeforeTheDialog) {
    SharedState s;
    s.gInsertDir = QStringLiteral("/somewhere");
    User user;
    mnuInsertFile_Click(s, nullptr, nullptr);
    EXPECT_TRUE(user.asked.empty());
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, processErrorTitle(91));
    EXPECT_EQ(s.gInsertDir, QStringLiteral("/somewhere"));
}

}  // namespace
