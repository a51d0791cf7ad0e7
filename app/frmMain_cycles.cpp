// The turning, drilling and measuring generators and the program frame of the Process menu.
#include "app/common/shared_state.h"
#include "app/frmMain.h"
#include "app/process_commands.h"

namespace quillmar {

void registerCycleCommands(frmMain& main) {
    (void)main;
}

}  // namespace quillmar
