// The turning, drilling and measuring generators and the program frame of the Process menu.
#include "common/shared_state.h"
#include "app/frmMain.h"
#include "app/process_commands.h"
#include "cycles/measuring.h"
#include "cycles/finishing.h"
#include "cycles/grooving.h"
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
    add(main, "ProcessMeasuerInD", ProcessMeasuerInD_Click);
    add(main, "ProcessMeasuerInR", ProcessMeasuerInR_Click);
    add(main, "ProcessMeasuerOutD", ProcessMeasuerOutD_Click);
    add(main, "ProcessMeasuerOutR", ProcessMeasuerOutR_Click);
    add(main, "ProcessMeasuerZeroZaxis", ProcessMeasuerZeroZaxis_Click);
    add(main, "ProcessMeasuerZeroCaxis", ProcessMeasuerZeroCaxis_Click);
    add(main, "ProcessMeasuerOutside", ProcessMeasuerOutside_Click);
    add(main, "ProcessFinishFaceOD", ProcessFinishFaceOD_Click);
    add(main, "ProcessFinishFace", ProcessFinishFace_Click);
    add(main, "ProcessFinishOD", ProcessFinishOD_Click);
    add(main, "ProcessFinishID", ProcessFinishID_Click);
    add(main, "ProcessGrooveFace", ProcessGrooveFace_Click);
    add(main, "ProcessGrooveOD", ProcessGrooveOD_Click);
    add(main, "ProcessGrooveID", ProcessGrooveID_Click);
    add(main, "ProcessThreadFace", ProcessThreadFace_Click);
    add(main, "ProcessThreadOD", ProcessThreadOD_Click);
    add(main, "ProcessThreadID", ProcessThreadID_Click);
    add(main, "ProcessDrillHss", ProcessDrillHss_Click);
    add(main, "ProcessDrillU", ProcessDrillU_Click);
    add(main, "SipndleTap", SipndleTap_Click);
}

}  // namespace quillmar
