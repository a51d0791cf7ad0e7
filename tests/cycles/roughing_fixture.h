#pragma once

// What the roughing tests share: the blank, the cutting-condition
// rows of the four roughing cycles, and the boxes a user types into.

#include <optional>
#include <utility>
#include <vector>

#include "common/shared_state.h"
#include "fake_process_dialog.h"
#include "support/documents.h"
#include "support/machine.h"

namespace quillmar::test {

// Machine flags as the turning cycles' tables give them, both machine flags allowed.
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

// What a command leaves in the work shape: its P-Zero and inner diameter.
struct ShapeAfter {
    std::optional<double> pZero;
    float id;
};

inline const Stock kBlank{3.0, 0.1, 0.0f};
inline const Stock kBored{3.0, 0.1, 1.0f};

inline SharedState roughingState(const Machine& m, const Stock& w) {
    SharedState s = stateFor(m);
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
