// The turning, drilling and measuring generators and the program frame of the Process menu.
#include "common/shared_state.h"
#include "app/frmMain.h"
#include "app/process_commands.h"
#include "cycles/measuring.h"
#include "cycles/finishing.h"
#include "cycles/grooving.h"
#include "cycles/program_frame.h"
#include "cycles/roughing.h"

namespace quillmar {

namespace {

using ActiveRouteCommand = void (*)(SharedState&, RichTextBox*, QWidget*);

// Each command writes into the document active when it is chosen.
void add(frmMain& main, const char* menuName, ActiveRouteCommand command) {
    main.setCommand(QString::fromLatin1(menuName),
                    [&main, command](int) { command(main.state(), main.activeText(), &main); });
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
}

}  // namespace quillmar
