#include <gtest/gtest.h>

#include <limits>

#include "common/format.h"
#include "cycle_fixture.h"
#include "cycles/common_lines.h"
#include "cycles/program_text.h"

using namespace quillmar;

namespace {

using test::Machine;

SharedState lineState(const Machine& o) {
    SharedState s = test::stateFor(o);
    s.profile.gApproachZ = 0.2;
    ProcessParameters& p = s.params;
    p.gToolNo = 5;
    p.gEndX = 3;
    p.gStartZ = 0;
    p.gParamV = 300;
    p.gSpindleCode = QStringLiteral(" M03 M63");
    p.gCoolantCode = QStringLiteral(" M08");
    if (o.kind != MachineKind::Other)
        p.gTipCode = QStringLiteral(" M602");
    if (o.kind == MachineKind::Multus)
        p.gM263Code = QStringLiteral(" M263");
    s.gSpindleSpeed = 510;
    s.gOutputText = QStringLiteral("left over from an earlier command\r\n");
    return s;
}

using test::kMac;
using test::kMul;

TEST(CommonLines, RotaryToolChangeByToolLifeAndTurret) {
    const struct {
        Machine machine;
        const char* expected;
    } cases[] = {
        {{.kind = kMac, .turretType = 1}, "N000 MT=501\r\nN000 M421\r\n"},
        {{.kind = kMul, .toolLife = true, .atcMacro = "M441"}, "N000 MT=3 TG=5\r\nN000 M441\r\n"},
        {{.kind = kMac, .turretType = 0}, "N000 MT=503\r\nN000 M421\r\n"},  // any turret type but 1 is H2
    };
    for (const auto& c : cases) {
        SharedState s = lineState(c.machine);
        ProgramText text(s);
        text.first("");
        AppendMToolChange(text);
        EXPECT_EQ(text.text().toStdString(), std::string("\r\n") + c.expected);
    }
}

TEST(ProgramText, AFailingPieceLeavesNoHalfLine) {
    SharedState s;
    ProgramText text(s);
    text.first("A");
    EXPECT_EQ(test::runtimeErrorOf([&] { text.add({"N000 X", FormatCoordValue(std::numeric_limits<double>::max())}); }),
              kErrOverflow);
    EXPECT_EQ(s.gOutputText, QStringLiteral("A\r\n"));
}

}  // namespace
