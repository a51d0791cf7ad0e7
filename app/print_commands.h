#pragma once

#include <QPointer>

#include "platform/printer_surface.h"
#include "platform/window_printer.h"

namespace quillmar {

class PrintSetting;
class frmMain;

// The printer chosen in Printer Setup, held by the main window: it outlives the setup
// window, and File > Print and the calculators' Print buttons use it.
struct PrintState {
    PrinterChoice printer;
    ChosenWindowPrinter windowPrinter{printer};
    QPointer<PrintSetting> window;
};

// File > Print and File > Printer setting.
void registerPrintCommands(frmMain& main);

// Prints the active document on the chosen printer; nothing without a document.
void mnuFilePrint_Click(frmMain& main);
void mnuFilePrinterSetup_Click(frmMain& main);

}  // namespace quillmar
