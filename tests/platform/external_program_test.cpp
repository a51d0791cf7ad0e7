#include <gtest/gtest.h>

#include "platform/external_program.h"

using namespace quillmar;

TEST(ExternalProgram, EachStartIsAnotherInstanceAndCloseEndsThemAll) {
    ExternalProgram program;
    program.close();  // nothing started: nothing happens
    QString error;
    EXPECT_FALSE(program.start("/nonexistent/QuillmarCalculator.EXE", {}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(program.isRunning());
    ASSERT_TRUE(program.start("sleep", {"30"}, &error)) << error.toStdString();
    ASSERT_TRUE(program.start("sleep", {"30"}, &error)) << error.toStdString();
    EXPECT_EQ(program.runningCount(), 2);
    program.close();
    EXPECT_FALSE(program.isRunning());
}
