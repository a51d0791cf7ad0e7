#include "app/frmMain.h"
#include "app/text_tools/frmNumberArrange.h"
#include "app/tool_windows.h"
#include "calculators/frmLineRLine.h"

namespace quillmar {

const QList<ToolWindowEntry>& toolWindowEntries() {
    static const QList<ToolWindowEntry> entries = {
        {"LineCircleLine", "frmLineRLine", true,
         [](frmMain& main) -> QWidget* { return new frmLineRLine(main.targetInsert(), &main); }},
        {"mnuToolsNumberArrange", "frmNumberArrange", true, [](frmMain& main) -> QWidget* { return new frmNumberArrange(&main); },
         mnuToolsNumberArrange_Click},
    };
    return entries;
}

}  // namespace quillmar
