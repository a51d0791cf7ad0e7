#pragma once

// What the turning-cycle tests share: a machine (support/machine.h) with every command's
// cutting-condition row, a command run as a user types, and one table row type checked
// against its family's whole block.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/shared_state.h"
#include "cycles/generator_runner.h"
#include "fake_process_dialog.h"
#include "support/documents.h"
#include "support/expected_text.h"
#include "support/machine.h"

namespace quillmar::test {

// The speed an earlier cycle left, which only a completed run that computes one changes.
inline constexpr double kEarlierSpeed = 1230;

struct Stock {
    std::optional<double> od;
    std::optional<double> pZero;
    float bore = 0;
};

// The machine with its home point and every command's row; the work shape as given.
inline SharedState cycleState(const Machine& m, const Stock& work, double homeX = 500, double homeZ = 500) {
    SharedState s = stateFor(m);
    s.profile.gHomeX = homeX;
    s.profile.gHomeZ = homeZ;
    fillRow(s, 1, {"1", "HSS Drill", "3", "0", "1", "100", "0.004", "", "", "0.5", "", ""});
    fillRow(s, 2, {"2", "U-Drill", "5", "0", "1", "300", "0.1", "0.2", "0.1", "1", "", ""});
    fillRow(s, 3, {"3", "Face & O.D. Rough", "1", "0", "1", "600", "0.015", "0.1", "0.08", "0.02", "0.005", "0.02"});
    fillRow(s, 4, {"4", "Face Rough", "1", "0", "1", "600", "0.012", "0", "0.08", "0", "0.005", "0"});
    fillRow(s, 5, {"5", "O.D. Rough", "1", "0", "1", "300", "0.01", "0.1", "", "0.02", "0.005", "0.02"});
    fillRow(s, 6, {"6", "I.D. Rough", "7", "0", "1", "250", "0.008", "0.06", "", "0.02", "0.005", "0.02"});
    for (int row : {7, 8, 9, 10})
        fillRow(s, row, {"", "Finish", "3", "0", "1", "400", "0.006", "0", "0", "0.01", "0.004", "0"});
    for (int row : {11, 12, 13})
        fillRow(s, row, {"", "Groove", "5", "0", "1", "300", "0.003", "0.02", "0.12", "0.004", "0.002", "0.03"});
    for (int row : {14, 15, 16})
        fillRow(s, row, {"", "Thread", "7", "0", "1", "300", "0.1", "0.01", "0.05", "0", "0", "2"});
    fillRow(s, 20, {"20", "Spindle Tap", "5", "0", "1", "30", "0.05", "0", "", "0.25", "", ""});
    fillRow(s, 34, {"34", "Measuring", "5", "0", "0", "21", "0", "0.2", "0.1", "0.01", "0.05", "0"});
    s.workShape.gMaterialOD = work.od;
    s.workShape.gPZero = work.pZero;
    s.workShape.gMaterialID = work.bore;
    s.gSpindleSpeed = kEarlierSpeed;
    s.gOutputText = QStringLiteral("earlier");
    return s;
}

// What a command's dialog showed on an Other machine over the work shape given; the user
// cancels.
inline ProcessDialogView dialogShown(ProcessGenerator (*generator)(), const Stock& work) {
    SharedState s = cycleState({kOth}, work);
    Document doc;
    FakeProcessDialog user;
    user.leaveBy(FakeProcessDialog::Leave::Cancel);
    runProcessGenerator(generator(), s, &doc.box, nullptr);
    EXPECT_EQ(user.showings, 1);
    return user.seen;
}

// A row of a family's table: what the user types over the family's input, and either the
// edits of the family's block (or of another block of it) with what the run leaves in
// the shared state, or the error that leaves everything as it was.
struct CycleCase {
    const char* name;
    ProcessGenerator (*generator)();
    Machine machine;
    Typing typed = {};
    std::vector<Edit> edits = {};
    std::optional<double> speedAfter = {};
    Stock work = {};
    const char* error = nullptr;
    const QString* base = nullptr;
    std::optional<float> boreAfter = {};
    std::optional<double> pZeroAfter = {};
};

inline void PrintTo(const CycleCase& c, std::ostream* os) { *os << c.name; }

inline std::string caseName(const ::testing::TestParamInfo<CycleCase>& info) { return info.param.name; }

// Runs the row between two lines with the caret at the second.
inline void expectCase(const CycleCase& c, const QString& block, const Typing& input, double homeX = 500,
                       double homeZ = 500) {
    SharedState s = cycleState(c.machine, c.work, homeX, homeZ);
    const QString before = QStringLiteral("N000 G50\r\n"), after = QStringLiteral("NEND M02\r\n");
    Document doc(before + after, before.size());
    FakeProcessDialog user;
    enter(user, input);
    enter(user, c.typed);

    runProcessGenerator(c.generator(), s, &doc.box, nullptr);

    if (c.error) {
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].title, QString::fromLatin1(c.error));
        EXPECT_EQ(doc.box.Text(), before + after);
        EXPECT_EQ(doc.changes, 0);
        EXPECT_EQ(s.gOutputText, QStringLiteral("earlier"));
        EXPECT_EQ(s.gSpindleSpeed, kEarlierSpeed);
        EXPECT_EQ(s.workShape.gMaterialID.value(), c.work.bore);
        return;
    }
    EXPECT_TRUE(user.messages.empty());
    const QString expected = edited(c.base ? *c.base : block, c.edits);
    EXPECT_EQ(doc.box.Text().toStdString(), (before + expected + after).toStdString());
    EXPECT_EQ(doc.box.SelStart(), before.size() + expected.size());
    EXPECT_EQ(doc.changes, 1);
    EXPECT_EQ(s.gOutputText.toStdString(), expected.toStdString());
    EXPECT_TRUE(s.gDialogAccepted);
    if (c.speedAfter) { EXPECT_EQ(s.gSpindleSpeed, *c.speedAfter); }
    if (c.boreAfter) { EXPECT_EQ(s.workShape.gMaterialID.value(), *c.boreAfter); }
    if (c.pZeroAfter) { EXPECT_EQ(s.workShape.gPZero, c.pZeroAfter); }
    EXPECT_EQ(s.profile.gApproachX, c.machine.approachX);  // the profile is written through copies
    EXPECT_EQ(s.profile.gApproachZ, c.machine.approachZ);
}

// The cycles at the work: approach (x, 0.2), unless a row sets its own X, and home (20, 10).
inline void expectWorkCase(CycleCase c, const QString& block, double approachX) {
    if (c.machine.approachX == Machine{}.approachX)
        c.machine.approachX = approachX;
    c.machine.approachZ = 0.2;
    expectCase(c, block, {}, 20, 10);
}

// The cycles on the axis: approach (200, 50) and home (500, 500) as in the worked
// examples; the bore 2 of an earlier drill, which only a completed drilling changes.
inline void expectAxisCase(CycleCase c, const QString& block, const Typing& input) {
    if (!c.work.pZero)
        c.work = {{}, 0.0, 2.0f};
    expectCase(c, block, input);
}

}  // namespace quillmar::test
