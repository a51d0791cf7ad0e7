#pragma once

// What the roughing tests share: the machine as flags, the blank, the cutting-condition
// rows of the four roughing cycles, and the boxes a user types into.

#include <optional>
#include <utility>
#include <vector>

#include "common/shared_state.h"
#include "fake_process_dialog.h"
#include "support/documents.h"

namespace quillmar::test {

// Flags rather than a machine type, so that a profile may carry both machine flags.
struct RoughingMachine {
    bool macTurn = false;
    bool multus = false;
    bool toolLife = false;
    bool toolShape = false;
    bool loadMonitor = false;
    bool optionalStop = false;
};

struct Stock {
    std::optional<double> od;
    std::optional<double> pZero;
    float id = 0;
};

inline const Stock kBlank{3.0, 0.1, 0.0f};
inline const Stock kBored{3.0, 0.1, 1.0f};

inline SharedState roughingState(const RoughingMachine& m, const Stock& w) {
    SharedState s;
    s.profile.gMacTurn = m.macTurn;
    s.profile.gMultus = m.multus;
    s.profile.gToolLife = m.toolLife;
    s.profile.gToolShape = m.toolShape;
    s.profile.gLoadMonitor = m.loadMonitor;
    s.profile.gOptionalStop = m.optionalStop;
    s.profile.gHomeX = 20;
    s.profile.gHomeZ = 10;
    s.profile.gApproachX = 8;
    s.profile.gApproachZ = 0.2;
    fillRow(s, 3, {"3", "Face & O.D. Rough", "1", "0", "1", "600", "0.015", "0.1", "0.08", "0.02", "0.005", "0.02"});
    fillRow(s, 4, {"4", "Face Rough", "1", "0", "1", "600", "0.012", "0", "0.08", "0", "0.005", "0"});
    fillRow(s, 5, {"5", "O.D. Rough", "1", "0", "1", "300", "0.01", "0.1", "", "0.02", "0.005", "0.02"});
    fillRow(s, 6, {"6", "I.D. Rough", "7", "0", "1", "250", "0.008", "0.06", "", "0.02", "0.005", "0.02"});
    s.workShape.gMaterialOD = w.od;
    s.workShape.gPZero = w.pZero;
    s.workShape.gMaterialID = w.id;
    return s;
}

// Box texts to type; an option to choose has no text.
using Typing = std::vector<std::pair<const char*, const char*>>;

inline void enter(FakeProcessDialog& user, const Typing& typed) {
    for (const auto& [control, text] : typed) {
        if (text)
            user.type(control, QString::fromUtf8(text));
        else
            user.choose(control);
    }
}

}  // namespace quillmar::test
