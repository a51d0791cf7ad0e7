#include <gtest/gtest.h>

#include <limits>

#include "common/format.h"
#include "cycle_fixture.h"
#include "cycles/common_lines.h"
#include "cycles/program_text.h"

using namespace quillmar;

namespace {

using test::Machine;

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
        SharedState s = test::stateFor(c.machine);
        s.params.gToolNo = 5;
        s.gOutputText = QStringLiteral("left over from an earlier command\r\n");
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
