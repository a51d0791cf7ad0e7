#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "app/insert_file.h"
#include "common/shared_state.h"
#include "cycles/process_error.h"
#include "platform/rich_text_box.h"
#include "support/documents.h"

using namespace quillmar;
using test::Document;

namespace {

using User = test::MessageLog;

enum class Kind { Bytes, Folder, Pipe, Missing, Cancel };

TEST(InsertFile, InsertsTheWholeFileOrNothing) {
    const QByteArray limit(65000, 'G');
    const struct {
        Kind kind;
        QByteArray bytes;
        QString inserted;
        bool refused = false;  // the size message was shown
    } cases[] = {
        {Kind::Bytes, limit, QString::fromLatin1(limit)}, {Kind::Bytes, limit + 'G', {}, true},
        {Kind::Bytes, "(\x89\xc1\x8d\x48)\r\n", QStringLiteral("(加工)\r\n")}, {Kind::Folder, {}, {}},
        {Kind::Bytes, "(\xe5\xa4\x96\xe5\xbe", QStringLiteral("(螟門ｾ")},  // UTF-8 cut in its last character
        {Kind::Pipe, {}, {}}, {Kind::Missing, {}, {}}, {Kind::Cancel, {}, {}},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString sub = dir.filePath(QStringLiteral("lib")), path = sub + QStringLiteral("/PART.LIB");
        ASSERT_TRUE(QDir().mkdir(sub));
        if (c.kind == Kind::Bytes) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.bytes) == c.bytes.size());
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
        ASSERT_EQ(user.asked.size(), 1u);
        EXPECT_EQ(user.asked[0].directory, dir.path());
        EXPECT_EQ(modal::nameFilters(user.asked[0].filter).size(), 3);
        EXPECT_EQ(s.gInsertDir, c.kind == Kind::Cancel ? dir.path() : sub);
        EXPECT_EQ(doc.box.Text(), QStringLiteral("O1\r\n") + c.inserted + QStringLiteral("M30\r\n")) << int(c.kind);
        EXPECT_EQ(doc.box.SelStart(), 4 + c.inserted.size());
        EXPECT_EQ(doc.changes, c.inserted.isEmpty() ? 0 : 1);
        ASSERT_EQ(user.shown.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(user.shown[0].text, QStringLiteral("このファイルはサイズが大きすぎるため開くことが出来ません。"));
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

}  // namespace
