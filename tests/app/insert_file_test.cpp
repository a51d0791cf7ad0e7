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

TEST(InsertFile, InsertsTheWholeFileOrNothing) {
    const QByteArray limit(65000, 'G');
    const std::string limitText(65000, 'G');
    struct Case {
        const char* name;
        Kind kind;
        QByteArray bytes;
        const char* expectedText;  // UTF-8; nullptr: the document is unchanged
        bool refused = false;      // the size message was shown
    } cases[] = {
        {"exactly the limit", Kind::Bytes, limit, limitText.c_str()},
        {"one byte over", Kind::Bytes, limit + 'G', nullptr, true},
        {"code page 932", Kind::Bytes, "(\x89\xc1\x8d\x48)\r\n", "(加工)\r\n"},
        {"folder", Kind::Folder, {}, nullptr},
        {"a pipe is never opened", Kind::Pipe, {}, nullptr},
        {"missing", Kind::Missing, {}, nullptr},
        {"cancel", Kind::Cancel, {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString sub = dir.filePath(QStringLiteral("lib"));
        ASSERT_TRUE(QDir().mkdir(sub));
        const QString path = sub + QStringLiteral("/PART.LIB");
        if (c.kind == Kind::Bytes) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(c.bytes), c.bytes.size());
        } else if (c.kind == Kind::Folder) {
            ASSERT_TRUE(QDir().mkdir(path));
        } else if (c.kind == Kind::Pipe) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
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
        const QString inserted = QString::fromUtf8(c.expectedText ? c.expectedText : "");
        EXPECT_EQ(doc.box.Text(), before.left(4) + inserted + before.mid(4));
        EXPECT_EQ(doc.box.SelStart(), 4 + inserted.size());
        EXPECT_EQ(doc.changes, c.expectedText ? 1 : 0);
        EXPECT_EQ(user.shown.size(), c.refused ? 1u : 0u);
        if (c.refused)
            EXPECT_EQ(user.shown[0].text, QStringLiteral("このファイルはサイズが大きすぎるため開くことが出来ません。"));
    }
}

TEST(InsertFile, WithoutADocumentReportsBeforeTheDialog) {
    SharedState s;
    User user;
    mnuInsertFile_Click(s, nullptr, nullptr);
    EXPECT_TRUE(user.asked.empty());
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, processErrorTitle(91));
}

}  // namespace
