#include <gtest/gtest.h>

#include <QTemporaryFile>

#include "platform/external_program.h"

using namespace quillmar;

TEST(ExternalProgram, EachStartIsAnotherInstanceAndCloseEndsThemAll) {
    ExternalProgram program;
    program.close();  // nothing started: nothing happens
    QString error;
    bool missing = false;
    EXPECT_FALSE(program.start("/nonexistent/QuillmarCalculator.EXE", {}, &error, &missing));
    EXPECT_TRUE(!error.isEmpty() && missing);
    QTemporaryFile notAProgram;  // there, but not executable
    ASSERT_TRUE(notAProgram.open());
    EXPECT_FALSE(program.start(notAProgram.fileName(), {}, &error, &missing));
    EXPECT_TRUE(!error.isEmpty() && !missing);
    EXPECT_FALSE(program.isRunning());
    ASSERT_TRUE(program.start("sleep", {"30"}, &error)) << error.toStdString();
    ASSERT_TRUE(program.start("sleep", {"30"}, &error)) << error.toStdString();
    EXPECT_EQ(program.runningCount(), 2);
    program.close();
    EXPECT_FALSE(program.isRunning());
}
