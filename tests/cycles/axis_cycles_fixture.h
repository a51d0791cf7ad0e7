#pragma once

// What the threading, drilling and spindle-tapping tests share: the machine as flags
// (a profile may carry both machine flags), the cutting-condition rows of the six
// commands, and a run through the runner with the fake user that records what the run
// left behind.

#include <QString>
#include <vector>

#include "common/shared_state.h"
#include "cycles/generator_runner.h"
#include "fake_process_dialog.h"
#include "roughing_fixture.h"
#include "support/documents.h"
#include "support/expected_text.h"

namespace quillmar::test {

struct AxisMachine {
    bool macTurn = false;
    bool multus = false;
    bool toolLife = false;
    bool toolShape = false;
    bool loadMonitor = false;
    bool optionalStop = false;
};

inline constexpr AxisMachine kOther{};
inline constexpr AxisMachine kMacTurn{true};
inline constexpr AxisMachine kMultus{false, true};

// The approach X 200 Z 50 and home X 500 Z 500 of the worked examples; the inner
// diameter of an earlier drill, 2, which a failed run must leave alone.
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
    fillRow(s, 14, {"14", "Face Thread", "7", "0", "1", "300", "0.1", "0.01", "0.05", "", "0", "2"});
    fillRow(s, 15, {"15", "O.D. Thread", "7", "0", "1", "300", "0.1", "0.01", "0.05", "0", "", "2"});
    fillRow(s, 16, {"16", "I.D. Thread", "7", "0", "1", "300", "0.1", "0.01", "0.05", "0", "", "2"});
    fillRow(s, 20, {"20", "Spindle Tap", "5", "0", "1", "30", "0.05", "0", "", "0.25", "", ""});
    s.workShape.gMaterialID = 2.0f;
    return s;
}

// The document "AB" with the caret between the letters; what a run leaves in it, in the
// shared state and on the screen.
struct AxisRun {
    Document doc{QStringLiteral("AB"), 1};
    FakeProcessDialog user;
    std::vector<modal::MessageRequest>& messages = user.messages;

    AxisRun(const ProcessGenerator& generator, SharedState& s, const Typing& base, const Typing& typed) {
        enter(user, base);
        enter(user, typed);
        runProcessGenerator(generator, s, &doc.box, nullptr);
    }
    // The block between the letters, or the whole text when the run wrote none.
    QString inserted() const {
        const QString text = doc.box.Text();
        return text.size() >= 2 ? text.mid(1, text.size() - 2) : text;
    }
};

}  // namespace quillmar::test
