// The rotary-tool generators of the Process menu.
#include "app/common/shared_state.h"
#include "app/frmMain.h"
#include "app/process_commands.h"

namespace quillmar {

void registerRotaryCommands(frmMain& main) {
    (void)main;
}

}  // namespace quillmar
