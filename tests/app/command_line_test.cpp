#include <gtest/gtest.h>

#include "app/command_line.h"

using namespace quillmar;

TEST(CommandLineFile, IsTheFirstArgumentAsItIs) {
    const struct { QStringList arguments; QString path; } rows[] = {
        {{"quillmar"}, ""},
        {{"quillmar", ""}, ""},
        {{"quillmar", "/tmp/a b.min", "c.min"}, "/tmp/a b.min"},
        {{"quillmar", "/tmp/a\"b.min"}, "/tmp/a\"b.min"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CommandLineFile(row.arguments), row.path) << row.arguments.join('|').toStdString();
}
