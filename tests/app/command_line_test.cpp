#include <gtest/gtest.h>

#include <QDir>

#include "app/command_line.h"

using namespace quillmar;

// The path as named, made absolute against the current folder.
TEST(CommandLineFile, IsTheFirstArgumentAsItIs) {
    const struct { QStringList arguments; QString path; } rows[] = {
        {{"quillmar"}, ""},
        {{"quillmar", ""}, ""},
        {{"quillmar", "/tmp/a b.min", "c.min"}, "/tmp/a b.min"},
        {{"quillmar", "/tmp/a\"b.min"}, "/tmp/a\"b.min"},
        {{"quillmar", "prog.min"}, QDir::current().filePath("prog.min")},
        {{"quillmar", "../x/./p.min"}, QDir::cleanPath(QDir::current().filePath("../x/p.min"))},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CommandLineFile(row.arguments).toStdString(), row.path.toStdString());
}
