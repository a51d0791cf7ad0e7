#include "app/frmMain.h"
#include "app/text_tools/frmNumberArrange.h"
#include "app/tool_windows.h"
#include "app/text_tools/frmFind.h"
#include "app/text_tools/frmReplace.h"
#include "app/text_tools/frmSizeShift.h"
#include "calculators/frmCircleCircle.h"
#include "calculators/frmCirclePoint.h"
#include "calculators/frmLine2Circle2.h"
#include "calculators/frmLineR.h"
#include "calculators/frmLineRPoint.h"
#include "calculators/frmLineRLine.h"
#include "app/RPM.h"
#include "app/frmFeed.h"
#include "calculators/frmLineAngle.h"
#include "calculators/frmNoseRAngle.h"
#include "calculators/frmNeck.h"
#include "calculators/frmXY_XC.h"

namespace quillmar {
namespace {

template <class Window>
QWidget* newSearchWindow(frmMain& main) {
    return new Window(main.documents(), [&main] { return main.activeText(); }, &main);
}

// A calculator inserts into the document that was active when it was opened.
template <class Window>
QWidget* newCalculator(frmMain& main) {
    return new Window(main.targetInsert(), &main);
}

}  // namespace

const QList<ToolWindowEntry>& toolWindowEntries() {
    static const QList<ToolWindowEntry> entries = {
        {"LineCircleLine", "frmLineRLine", true, newCalculator<frmLineRLine>},
        {"mnuToolsNumberArrange", "frmNumberArrange", true,
         [](frmMain& main) -> QWidget* { return new frmNumberArrange(main.documents(), &main); },
         mnuToolsNumberArrange_Click},
        {"mnuSearchFind", "frmFind", false, newSearchWindow<frmFind>, {}, prepareSearchWindow},
        {"mnuSearchReplace", "frmReplace", false, newSearchWindow<frmReplace>, {}, prepareSearchWindow},
        {"mnuToolsSizeShift", "frmSizeShift", false, newSearchWindow<frmSizeShift>, {}, prepareSearchWindow},
        {"LineCycle", "frmLineR", true, newCalculator<frmLineR>},
        {"LineCirclePoint", "frmLineRPoint", true, newCalculator<frmLineRPoint>},
        {"CirclePoint", "frmCirclePoint", true, newCalculator<frmCirclePoint>},
        {"CircleCircle", "frmCircleCircle", true, newCalculator<frmCircleCircle>},
        {"Line2Circle2", "frmLine2Circle2", true, newCalculator<frmLine2Circle2>},
        {"AngleNoseR", "frmNoseRAngle", true, newCalculator<frmNoseRAngle>},
        {"LineAngle", "frmLineAngle", true, newCalculator<frmLineAngle>},
        {"mnuToolsrpm", "RPM", true, newCalculator<RPM>},
        {"mnuToolsFeed", "frmFeed", true, newCalculator<frmFeed>},
        {"Neck", "frmNeck", true, newCalculator<frmNeck>},
        {"XY_XC", "frmXY_XC", true, newCalculator<frmXY_XC>},
    };
    return entries;
}

}  // namespace quillmar
