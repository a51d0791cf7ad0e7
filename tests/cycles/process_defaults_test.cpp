#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/frmProcess.h"

using namespace quillmar;

namespace {

void fillRow(CuttingConditionTable& table, int row, const QStringList& fields) {
    for (int c = 0; c < fields.size(); ++c)
        table.setCell(row, c + 1, fields[c]);
}

int failureOf(frmProcess& form, int row) {
    try {
        form.LoadProcessDefaults(row);
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(LoadProcessDefaults, FillsTheToolOptionsAndSevenBoxes) {
    SharedState state;
    fillRow(state.gCuttingTable, 5,
            {"OD", "rough", "3", "0", "1", "600", "0.012", "0.1", "0.2", "0.02", "0.005", "0.03"});
    frmProcess form(state);
    form.LoadProcessDefaults(5);
    EXPECT_EQ(form.ToolNumber->text(), QStringLiteral("3"));
    EXPECT_TRUE(form.SpindleCW->isChecked());
    EXPECT_TRUE(form.CoolantON->isChecked());
    EXPECT_EQ(form.V->text(), QStringLiteral("600"));
    EXPECT_EQ(form.F->text(), QStringLiteral("0.012"));
    EXPECT_EQ(form.D->text(), QStringLiteral("0.1"));
    EXPECT_EQ(form.L->text(), QStringLiteral("0.2"));
    EXPECT_EQ(form.U->text(), QStringLiteral("0.02"));
    EXPECT_EQ(form.W->text(), QStringLiteral("0.005"));
    EXPECT_EQ(form.C->text(), QStringLiteral("0.03"));
    // Nothing else is touched.
    EXPECT_EQ(form.B->text(), QStringLiteral("0"));
    for (QLineEdit* box : {form.SZ, form.StartX, form.StartZ, form.StartC, form.EndX, form.EndZ, form.EndC})
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    EXPECT_TRUE(form.M602->isChecked());
    EXPECT_TRUE(form.Option1->isChecked());
}

TEST(LoadProcessDefaults, TextsGoInUntested) {
    SharedState state;
    fillRow(state.gCuttingTable, 9, {"", "", "T5x", "0", "0", "fast", "", "1 2", "", "-", "&H", "abc"});
    frmProcess form(state);
    form.LoadProcessDefaults(9);
    EXPECT_EQ(form.ToolNumber->text(), QStringLiteral("T5x"));
    EXPECT_EQ(form.V->text(), QStringLiteral("fast"));
    EXPECT_EQ(form.F->text(), QString());
    EXPECT_EQ(form.D->text(), QStringLiteral("1 2"));
    EXPECT_EQ(form.U->text(), QStringLiteral("-"));
    EXPECT_EQ(form.W->text(), QStringLiteral("&H"));
    EXPECT_EQ(form.C->text(), QStringLiteral("abc"));
}

struct OptionCase {
    const char* spindle;
    const char* coolant;
    int error;          // 0: read
    bool ccw;           // expected when the spindle cell read
    bool coolantOn;     // expected when both read
};

class SpindleAndCoolantCells : public ::testing::TestWithParam<OptionCase> {};

TEST_P(SpindleAndCoolantCells, SelectTheOptionsOrFailWithTypeMismatch) {
    const OptionCase& c = GetParam();
    SharedState state;
    fillRow(state.gCuttingTable, 20,
            {"a", "b", "12", QString::fromLatin1(c.spindle), QString::fromLatin1(c.coolant), "100", "0.05", "", "",
             "0.25", "", ""});
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
        EXPECT_FALSE(form.CoolantON->isChecked() || form.CoolantOFF->isChecked());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpindleAndCoolantCells,
    ::testing::Values(OptionCase{"0", "1", 0, false, true}, OptionCase{"0.0", "1.0", 0, false, true},
                      OptionCase{"1", "0", 0, true, false}, OptionCase{"2", "2", 0, true, false},
                      OptionCase{"-1", " 1 ", 0, true, true}, OptionCase{" 0", "0", 0, false, false},
                      OptionCase{"1E0", "&H1", 0, true, true},
                      OptionCase{"", "1", kErrTypeMismatch, false, false},
                      OptionCase{"x", "1", kErrTypeMismatch, false, false},
                      OptionCase{"0", "", kErrTypeMismatch, false, false},
                      OptionCase{"0", "on", kErrTypeMismatch, false, false},
                      OptionCase{"1 0", "1", kErrTypeMismatch, false, false}));

TEST(LoadProcessDefaults, ACoolantFailureKeepsTheSpindleOption) {
    SharedState state;
    fillRow(state.gCuttingTable, 3, {"", "", "4", "1", "x"});
    frmProcess form(state);
    EXPECT_EQ(failureOf(form, 3), kErrTypeMismatch);
    EXPECT_TRUE(form.SpindleCCW->isChecked());
}

TEST(LoadProcessDefaults, AnEmptyOrUnknownRowIsTypeMismatch) {
    SharedState state;
    frmProcess form(state);
    for (int row : {1, 34, 0, 35, 50, -1})
        EXPECT_EQ(failureOf(form, row), kErrTypeMismatch) << row;
}

}  // namespace
