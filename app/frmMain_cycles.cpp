// The turning, drilling and measuring generators and the program frame of the Process menu.
#include "common/shared_state.h"
#include "app/frmMain.h"
#include "app/process_commands.h"
#include "cycles/program_frame.h"
#include "cycles/roughing.h"
#include "cycles/spindle_tapping.h"
#include "cycles/threading.h"
#include "cycles/turning_drilling.h"

namespace quillmar {

namespace {

using ActiveRouteCommand = void (*)(SharedState&, RichTextBox*, QWidget*);
using IndexedActiveRouteCommand = void (*)(int, SharedState&, RichTextBox*, QWidget*);

// Each command writes into the document active when it is chosen.
void add(frmMain& main, const char* menuName, ActiveRouteCommand command) {
    main.setCommand(QString::fromLatin1(menuName),
                    [&main, command](int) { command(main.state(), main.activeText(), &main); });
}

// A menu array's command receives the index of the item chosen.
void add(frmMain& main, const char* menuName, IndexedActiveRouteCommand command) {
    main.setCommand(QString::fromLatin1(menuName),
                    [&main, command](int index) { command(index, main.state(), main.activeText(), &main); });
}

}  // namespace

void registerCycleCommands(frmMain& main) {
    add(main, "ProcessUGC", ProcessUGC_Click);
    add(main, "ProcessRoughOD", ProcessRoughOD_Click);
    add(main, "ProcessRoughID", ProcessRoughID_Click);
    add(main, "ProcessRoughFace", ProcessRoughFace_Click);
    add(main, "ProcessRoughFaceOD", ProcessRoughFaceOD_Click);
    add(main, "ProcessThreadFace", ProcessThreadFace_Click);
    add(main, "ProcessThreadOD", ProcessThreadOD_Click);
    add(main, "ProcessThreadID", ProcessThreadID_Click);
    add(main, "ProcessDrillHss", ProcessDrillHss_Click);
    add(main, "ProcessDrillU", ProcessDrillU_Click);
    add(main, "SipndleTap", SipndleTap_Click);
}

}  // namespace quillmar
