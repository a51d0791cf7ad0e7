#pragma once

#include <QString>

class QWidget;

namespace quillmar {

enum class PrintOutcome { Printed, NoPrinter, Failed, Cancelled };

// Tells the user that there was no printer or that printing failed, with the system's
// reason when it gave one; a print that went through or was cancelled says nothing.
void tellPrintOutcome(QWidget* parent, PrintOutcome outcome, const QString& reason);

// Prints a whole window, as it looks on the screen, on the default printer. Windows
// take one of these so that tests can print without a printer.
class WindowPrinter {
public:
    virtual ~WindowPrinter() = default;
    virtual PrintOutcome printWindow(QWidget& window) = 0;
};

// The system's default printer: one page with the window at its size on the screen
// (made smaller if the page is too narrow), at the top left of the printable area.
class DefaultWindowPrinter : public WindowPrinter {
public:
    PrintOutcome printWindow(QWidget& window) override;
};

// The one default printer the windows share.
WindowPrinter& defaultWindowPrinter();

}  // namespace quillmar
