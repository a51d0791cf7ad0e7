// The rotary-tool generators of the Process menu.
#include "app/common/shared_state.h"
#include "app/frmMain.h"
#include "app/process_commands.h"
#include "rotary/drilling.h"

namespace quillmar {

void registerRotaryCommands(frmMain& main) {
    main.setCommand(QStringLiteral("ProcessMDrillFace"),
                    [&main](int) { ProcessMDrillFace_Click(main.state(), main.activeText(), &main); });
    main.setCommand(QStringLiteral("ProcessMDrillSide"),
                    [&main](int) { ProcessMDrillSide_Click(main.state(), main.activeText(), &main); });
    main.setCommand(QStringLiteral("ProcessMDrillSlant"),
                    [&main](int) { ProcessMDrillSlant_Click(main.state(), main.activeText(), &main); });
}

}  // namespace quillmar
