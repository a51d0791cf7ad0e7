#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/command_line.h"

using namespace quillmar;

// The path as named, made absolute against the current folder; a name that is no text
// (Latin-1, code page 932) is shown as far as it can be and marked unreadable.
TEST(CommandLineFile, IsTheFirstArgumentAsItIs) {
    const struct { QList<QByteArray> arguments; QString path; bool readable = true; } rows[] = {
        {{"quillmar"}, ""},
        {{"quillmar", ""}, ""},
        {{"quillmar", "/tmp/a b.min", "c.min"}, "/tmp/a b.min"},
        {{"quillmar", "/tmp/a\"b.min"}, "/tmp/a\"b.min"},
        {{"quillmar", "prog.min"}, QDir::current().filePath("prog.min")},
        {{"quillmar", "../x/./p.min"}, QDir::cleanPath(QDir::current().filePath("../x/p.min"))},
        {{"quillmar", "/tmp/caf\xe9.min"}, QString::fromUtf8("/tmp/caf\uFFFD.min"), false},
        {{"quillmar", "/tmp/\x89\xc1\x8d\x48.min"}, QString::fromUtf8("/tmp/\uFFFD\uFFFD\uFFFDH.min"), false},
        {{"quillmar", "/tmp/caf\xc3\xa9.min"}, QString::fromUtf8("/tmp/café.min")},
    };
    for (const auto& row : rows) {
        const FileName file = CommandLineFile(row.arguments);
        EXPECT_EQ(file.text.toStdString(), row.path.toStdString());
        EXPECT_EQ(file.readable, row.readable) << row.path.toStdString();
    }
}

// `..` after a linked folder leads where the system goes: to the parent of the folder the
// link names. A link to a file stays the link.
TEST(CommandLineFile, ResolvesLinkedFoldersAsTheSystemDoes) {
    QTemporaryDir dir;
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("real/sub")));
    ASSERT_TRUE(QFile::link(root + "/real/sub", root + "/lnk"));
    ASSERT_TRUE(QFile::link(root + "/real/p.min", root + "/file-link.min"));
    const struct { QString given, path; } rows[] = {
        {root + "/lnk/../p.min", root + "/real/p.min"},
        {root + "/lnk/./x.min", root + "/real/sub/x.min"},
        {root + "/lnk/..", root + "/real"},
        {root + "/file-link.min", root + "/file-link.min"},
        {root + "/gone/../p.min", root + "/p.min"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CommandLineFile({"quillmar", QFile::encodeName(row.given)}).text.toStdString(), row.path.toStdString());
}
