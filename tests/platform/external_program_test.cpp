#include <gtest/gtest.h>

#include <QTemporaryFile>

#include "platform/external_program.h"

using namespace quillmar;

// Each start being another instance, and close ending them all, is the calculator command's test.
TEST(ExternalProgram, AProgramThatCannotStartSaysWhetherItIsMissing) {
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
}
