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

}  // namespace

const QList<ToolWindowEntry>& toolWindowEntries() {
    static const QList<ToolWindowEntry> entries = {
        {"LineCircleLine", "frmLineRLine", true,
         [](frmMain& main) -> QWidget* { return new frmLineRLine(main.targetInsert(), &main); }},
        {"mnuToolsNumberArrange", "frmNumberArrange", true,
         [](frmMain& main) -> QWidget* { return new frmNumberArrange(main.documents(), &main); },
         mnuToolsNumberArrange_Click},
        {"mnuSearchFind", "frmFind", false, newSearchWindow<frmFind>, {}, prepareSearchWindow},
        {"mnuSearchReplace", "frmReplace", false, newSearchWindow<frmReplace>, {}, prepareSearchWindow},
        {"mnuToolsSizeShift", "frmSizeShift", false, newSearchWindow<frmSizeShift>, {}, prepareSearchWindow},
        {"LineCycle", "frmLineR", true,
         [](frmMain& main) -> QWidget* { return new frmLineR(main.targetInsert(), &main); }},
        {"LineCirclePoint", "frmLineRPoint", true,
         [](frmMain& main) -> QWidget* { return new frmLineRPoint(main.targetInsert(), &main); }},
        {"CirclePoint", "frmCirclePoint", true,
         [](frmMain& main) -> QWidget* { return new frmCirclePoint(main.targetInsert(), &main); }},
        {"CircleCircle", "frmCircleCircle", true,
         [](frmMain& main) -> QWidget* { return new frmCircleCircle(main.targetInsert(), &main); }},
        {"Line2Circle2", "frmLine2Circle2", true,
         [](frmMain& main) -> QWidget* { return new frmLine2Circle2(main.targetInsert(), &main); }},
        {"AngleNoseR", "frmNoseRAngle", true,
         [](frmMain& main) -> QWidget* { return new frmNoseRAngle(main.targetInsert(), &main); }},
        {"LineAngle", "frmLineAngle", true,
         [](frmMain& main) -> QWidget* { return new frmLineAngle(main.targetInsert(), &main); }},
        {"mnuToolsrpm", "RPM", true, [](frmMain& main) -> QWidget* { return new RPM(main.targetInsert(), &main); }},
        {"mnuToolsFeed", "frmFeed", true,
         [](frmMain& main) -> QWidget* { return new frmFeed(main.targetInsert(), &main); }},
        {"Neck", "frmNeck", true, [](frmMain& main) -> QWidget* { return new frmNeck(main.targetInsert(), &main); }},
        {"XY_XC", "frmXY_XC", true,
         [](frmMain& main) -> QWidget* { return new frmXY_XC(main.targetInsert(), &main); }},
    };
    return entries;
}

}  // namespace quillmar
