#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include "cycle_fixture.h"
#include "cycles/frmProcess.h"

using namespace quillmar;
using test::fillRow;

namespace {

int failureOf(frmProcess& form, int row) {
    return test::runtimeErrorOf([&] { form.LoadProcessDefaults(row); });
}

// Which column fills which box, every generator's block shows.
TEST(LoadProcessDefaults, TextsGoInUntested) {
    SharedState state;
    fillRow(state, 9, {"", "", "T5x", "0", "0", "fast", "", "1 2", "", "-", "&H", "abc"});
    frmProcess form(state);
    form.LoadProcessDefaults(9);
    EXPECT_EQ(form.ToolNumber->text() + form.V->text() + form.D->text(), QStringLiteral("T5xfast1 2"));
}

struct OptionCase {
    const char* spindle;
    const char* coolant;
    int error;          // 0: read
    bool ccw;           // expected when the spindle cell read (a coolant failure keeps it)
    bool coolantOn;     // expected when both read
};

class SpindleAndCoolantCells : public ::testing::TestWithParam<OptionCase> {};

TEST_P(SpindleAndCoolantCells, SelectTheOptionsOrFailWithTypeMismatch) {
    const OptionCase& c = GetParam();
    SharedState state;
    fillRow(state, 20, {"a", "b", "12", QString::fromLatin1(c.spindle), QString::fromLatin1(c.coolant), "100", "0.05",
                        "", "", "0.25", "", ""});
    frmProcess form(state);
    EXPECT_EQ(failureOf(form, 20), c.error) << c.spindle << " / " << c.coolant;
    // The tool number is always in before the cells are read.
    EXPECT_EQ(form.ToolNumber->text(), QStringLiteral("12"));
    if (c.error == 0) {
        EXPECT_EQ(form.SpindleCCW->isChecked(), c.ccw);
        EXPECT_EQ(form.SpindleCW->isChecked(), !c.ccw);
        EXPECT_EQ(form.CoolantON->isChecked(), c.coolantOn);
        EXPECT_EQ(form.CoolantOFF->isChecked(), !c.coolantOn);
        EXPECT_EQ(form.V->text(), QStringLiteral("100"));
    } else {
        EXPECT_TRUE(form.V->text().isEmpty());
        EXPECT_EQ(form.SpindleCCW->isChecked(), c.ccw);
        EXPECT_FALSE(form.CoolantON->isChecked() || form.CoolantOFF->isChecked());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpindleAndCoolantCells,
    ::testing::Values(OptionCase{"0", "1", 0, false, true}, OptionCase{"2", "0.0", 0, true, false},
                      OptionCase{"-1", " &H1 ", 0, true, true}, OptionCase{"", "1", kErrTypeMismatch, false, false},
                      OptionCase{"1 0", "1", kErrTypeMismatch, false, false},
                      OptionCase{"1", "x", kErrTypeMismatch, true, false}));

TEST(LoadProcessDefaults, AnEmptyOrUnknownRowIsTypeMismatch) {
    SharedState state;
    frmProcess form(state);
    for (int row : {1, 35})
        EXPECT_EQ(failureOf(form, row), kErrTypeMismatch) << row;
}

}  // namespace
