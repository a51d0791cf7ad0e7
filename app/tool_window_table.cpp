#include "app/frmMain.h"
#include "app/text_tools/frmNumberArrange.h"
#include "app/tool_windows.h"
#include "app/text_tools/frmFind.h"
#include "app/text_tools/frmReplace.h"
#include "app/text_tools/frmSizeShift.h"
#include "calculators/frmLineRLine.h"

namespace quillmar {

const QList<ToolWindowEntry>& toolWindowEntries() {
    static const QList<ToolWindowEntry> entries = {
        {"LineCircleLine", "frmLineRLine", true,
         [](frmMain& main) -> QWidget* { return new frmLineRLine(main.targetInsert(), &main); }},
        {"mnuToolsNumberArrange", "frmNumberArrange", true, [](frmMain& main) -> QWidget* { return new frmNumberArrange(&main); },
         mnuToolsNumberArrange_Click},
        {"mnuSearchFind", "frmFind", false, [](frmMain& main) -> QWidget* { return new frmFind(main); }},
        {"mnuSearchReplace", "frmReplace", false, [](frmMain& main) -> QWidget* { return new frmReplace(main); }},
        {"mnuToolsSizeShift", "frmSizeShift", false, [](frmMain& main) -> QWidget* { return new frmSizeShift(main); }},
    };
    return entries;
}

}  // namespace quillmar
