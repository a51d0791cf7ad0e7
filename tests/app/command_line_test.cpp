#include <gtest/gtest.h>

#include "app/command_line.h"

using namespace quillmar;

TEST(CommandLineFile, TakesThePathByTheQuoteRule) {
    struct Case {
        const char* line;
        const char* path;
    } cases[] = {
        {"", ""},
        {"/home/op/a b.min", "/home/op/a b.min"},
        {"\"/home/op/a b.min\" -x more", "/home/op/a b.min"},
        {"\"/home/op/p.min", "/home/op/p.min"},
        {"\"\"", ""},
        {"x \"y\" z", "y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommandLineFile(QString::fromUtf8(c.line)).toStdString(), c.path) << c.line;
}

TEST(CommandLineFile, TheFirstArgumentAloneNamesTheDocument) {
    EXPECT_EQ(commandLineOf({"quillmar"}), QString());
    EXPECT_EQ(commandLineOf({"quillmar", "/tmp/a b.min", "c.min"}), QStringLiteral("/tmp/a b.min"));
}
