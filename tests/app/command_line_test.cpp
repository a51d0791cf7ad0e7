#include <gtest/gtest.h>

#include "app/command_line.h"

using namespace quillmar;

TEST(CommandLineFile, TakesThePathByTheQuoteRule) {
    for (const auto& [line, path] : {std::pair{"", ""}, {"/home/op/a b.min", "/home/op/a b.min"},
                                     {"\"/home/op/a b.min\" -x more", "/home/op/a b.min"},
                                     {"\"/home/op/p.min", "/home/op/p.min"}, {"\"\"", ""}, {"x \"y\" z", "y"}})
        EXPECT_EQ(CommandLineFile(QString::fromUtf8(line)).toStdString(), path) << line;
    EXPECT_EQ(commandLineOf({"quillmar"}), QString());
    EXPECT_EQ(commandLineOf({"quillmar", "/tmp/a b.min", "c.min"}), QStringLiteral("/tmp/a b.min"));
}
