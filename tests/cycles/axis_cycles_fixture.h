#pragma once

// What the threading, drilling and spindle-tapping tests share: the machine as the
// roughing tests' flags, the cutting-condition rows of the six commands, and one table
// row type run through the runner with the fake user.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

#include "common/shared_state.h"
#include "cycles/generator_runner.h"
#include "fake_process_dialog.h"
#include "roughing_fixture.h"
#include "support/documents.h"
#include "support/expected_text.h"

namespace quillmar::test {

using AxisMachine = RoughingMachine;

inline const AxisMachine kOther{};
inline const AxisMachine kMacTurn{true};
inline const AxisMachine kMultus{false, true};

// Approach X 200 Z 50 and home X 500 Z 500 as in the worked examples; the bore 2 of an
// earlier drill and the speed 777 of an earlier cycle, which only a completed run may
// change.
inline SharedState axisCycleState(const AxisMachine& m) {
    SharedState s;
    s.profile.gMacTurn = m.macTurn;
    s.profile.gMultus = m.multus;
    s.profile.gToolLife = m.toolLife;
    s.profile.gToolShape = m.toolShape;
    s.profile.gLoadMonitor = m.loadMonitor;
    s.profile.gOptionalStop = m.optionalStop;
    s.profile.gApproachX = 200;
    s.profile.gApproachZ = 50;
    s.profile.gHomeX = 500;
    s.profile.gHomeZ = 500;
    fillRow(s, 1, {"1", "HSS Drill", "3", "0", "1", "100", "0.004", "", "", "0.5", "", ""});
    fillRow(s, 2, {"2", "U-Drill", "5", "0", "1", "300", "0.1", "0.2", "0.1", "1", "", ""});
    for (int row : {14, 15, 16})
        fillRow(s, row, {"", "Thread", "7", "0", "1", "300", "0.1", "0.01", "0.05", "0", "0", "2"});
    fillRow(s, 20, {"20", "Spindle Tap", "5", "0", "1", "30", "0.05", "0", "", "0.25", "", ""});
    s.workShape.gMaterialID = 2.0f;
    s.gSpindleSpeed = 777;
    s.gOutputText = QStringLiteral("earlier");
    return s;
}

// A row of a family's table: what the user types over the family's input, and either the
// edits of the family's block (or of another block of it) with the speed and the bore
// left behind, or the error that leaves everything as it was.
struct AxisCase {
    const char* name;
    ProcessGenerator (*generator)();
    AxisMachine machine;
    Typing typed;
    std::vector<Edit> edits;
    double speedAfter = 777;
    float boreAfter = 2.0f;
    const char* error = nullptr;
    const QString* base = nullptr;
    double approachZ = 50;
    std::optional<double> pZero = 0.0;
};

inline void PrintTo(const AxisCase& c, std::ostream* os) { *os << c.name; }

// Runs the row into "AB" with the caret between the letters.
inline void expectAxisCase(const AxisCase& c, const QString& block, const Typing& input) {
    SharedState s = axisCycleState(c.machine);
    s.profile.gApproachZ = c.approachZ;
    s.workShape.gPZero = c.pZero;
    Document doc(QStringLiteral("AB"), 1);
    FakeProcessDialog user;
    enter(user, input);
    enter(user, c.typed);

    runProcessGenerator(c.generator(), s, &doc.box, nullptr);

    if (c.error) {
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].title, QString::fromLatin1(c.error));
        EXPECT_EQ(doc.box.Text(), QStringLiteral("AB"));
        EXPECT_EQ(s.gOutputText, QStringLiteral("earlier"));
    } else {
        EXPECT_TRUE(user.messages.empty());
        const QString expected = edited(c.base ? *c.base : block, c.edits);
        EXPECT_EQ(doc.box.Text().toStdString(), ("A" + expected + "B").toStdString());
        EXPECT_EQ(doc.changes, 1);
    }
    EXPECT_EQ(s.gSpindleSpeed, c.error ? 777 : c.speedAfter);
    EXPECT_EQ(s.workShape.gMaterialID.value(), c.error ? 2.0f : c.boreAfter);
    EXPECT_EQ(s.profile.gApproachZ, c.approachZ);
}

}  // namespace quillmar::test
