#pragma once

// What the rotary-tool generator tests share: one block suite and one failure suite that
// every family's file instantiates with its own rows.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <ostream>
#include <utility>
#include <vector>

#include "common/shared_state.h"
#include "cycles/fake_process_dialog.h"
#include "cycles/generator_runner.h"
#include "platform/rich_text_box.h"
#include "support/documents.h"
#include "support/expected_text.h"
#include "support/machine.h"

namespace quillmar::test {

using Generator = ProcessGenerator (*)();

// A drilling row of the cutting-condition table: tool, coolant, V, F, D, L, U, W and C.
inline QStringList drillRow(const char* tool, const char* coolant, const char* v, const char* f, const char* d,
                            const char* l, const char* u, const char* w, const char* c) {
    return {"M-DRILL", "", tool, "0", coolant, v, f, d, l, u, w, c};
}

// The rows of every rotary generator's defaults, so a case needs to name only its generator.
inline void fillRotaryRows(SharedState& s, const QStringList& fields) {
    for (int row : {17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 30, 33})
        fillRow(s, row, fields);
}

inline constexpr Machine kMacTurnShape{.kind = MachineKind::MacTurn, .toolShape = true};
inline constexpr Machine kMacTurnNoOsp{.kind = MachineKind::MacTurn, .ospU100 = false, .toolShape = true};
inline constexpr Machine kMacTurnBothFlags{.kind = MachineKind::MacTurn, .toolShape = true, .bothMachineFlags = true};
inline constexpr Machine kMultusShape{.kind = MachineKind::Multus, .toolShape = true};
inline constexpr Machine kOtherShape{.kind = MachineKind::Other, .toolShape = true};

// A generator family: its cutting-condition row, the typing every case starts from and
// the block that pins its line order.
struct Family { QStringList row; Typing typing; QString base; };

// A case: a generator on a machine, typed over the family's typing, expected as edits of
// the family's block.
struct RotaryCase {
    const char* name;
    const Family* family;
    Generator generator;
    Machine machine;
    Typing typed;
    std::vector<Edit> edits;
};

inline void PrintTo(const RotaryCase& c, std::ostream* os) { *os << c.name; }

inline std::string blockName(const ::testing::TestParamInfo<RotaryCase>& info) { return info.param.name; }

class RotaryBlocks : public ::testing::TestWithParam<RotaryCase> {};

// A failure after the dialog: reported by its number, the spindle speed as the run before
// left it (the shared generator contract checks the rest of what a failed run may not change).
struct RotaryFailure { const char* name; Generator generator; Typing typed; int error; };

inline void PrintTo(const RotaryFailure& c, std::ostream* os) { *os << c.name; }

}  // namespace quillmar::test
