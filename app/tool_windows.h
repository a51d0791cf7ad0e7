#pragma once

#include "app/frmMain.h"
#include "calculators/single_window.h"

namespace quillmar {

class frmLineRLine;

// The main window's tool and calculator windows, each shown at most once.
struct frmMain::ToolWindows {
    explicit ToolWindows(frmMain& main);
    SingleWindow<frmLineRLine> lineRLine;
};

}  // namespace quillmar
