// The commands of the Process menu: every generator of the cycle and rotary-tool tables,
// and the few commands that write without a process dialog.
#include "common/shared_state.h"
#include "app/frmMain.h"
#include "app/process_commands.h"
#include "cycles/cycle_generators.h"
#include "cycles/measuring.h"
#include "cycles/next_request.h"
#include "cycles/program_frame.h"
#include "rotary/rotary_generators.h"

namespace quillmar {

namespace {

using ActiveRouteCommand = void (*)(SharedState&, RichTextBox*, QWidget*);

// Each command writes into the document active when it is chosen.
void add(frmMain& main, const char* menuName, ActiveRouteCommand command) {
    main.setCommand(QString::fromLatin1(menuName),
                    [&main, command](int) { command(main.state(), main.activeText(), &main); });
}

}  // namespace

void registerProcessCommands(frmMain& main) {
    for (const auto& table : {cycleGenerators(), rotaryGenerators()})
        for (const GeneratorEntry& entry : table)
            main.setCommand(QString::fromLatin1(entry.menu), [&main, &entry](int index) {
                runProcessGenerator(entry.generator(index), main.state(), main.activeText(), &main);
            });
    add(main, "ProcessUGC", ProcessUGC_Click);
    add(main, "ProcessMT1", ProcessMT1_Click);
    add(main, "ProcessMT3", ProcessMT3_Click);
    add(main, "ProcessMeasuerOutside", ProcessMeasuerOutside_Click);
}

}  // namespace quillmar
