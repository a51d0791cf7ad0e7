// The rotary-tool generators of the Process menu.
#include "app/frmMain.h"
#include "app/process_commands.h"
#include "common/shared_state.h"
#include "rotary/rotary_generators.h"

namespace quillmar {

void registerRotaryCommands(frmMain& main) {
    for (const RotaryCommand& command : kRotaryCommands) {
        if (!rotaryGeneratorBuilt(command))
            continue;
        main.setCommand(QString::fromLatin1(command.menu), [&main, &command](int) {
            runProcessGenerator(rotaryGeneratorOf(command), main.state(), main.activeText(), &main);
        });
    }
}

}  // namespace quillmar
