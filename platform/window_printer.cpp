#include "platform/window_printer.h"

#include <QWidget>
#include <algorithm>

#include "platform/modal.h"
#include "platform/printer_surface.h"

namespace quillmar {

void tellPrintOutcome(QWidget* parent, PrintOutcome outcome, const QString& reason) {
    if (outcome != PrintOutcome::NoPrinter && outcome != PrintOutcome::Failed)
        return;
    QString text = outcome == PrintOutcome::NoPrinter ? QStringLiteral("プリンタが見つかりません。")
                                                      : QStringLiteral("印刷できませんでした。");
    if (!reason.isEmpty())
        text += QStringLiteral("\r\n") + reason;
    modal::msgBox(parent, text, modal::kOkOnly | modal::kExclamation, QStringLiteral("Print"));
}

PrintOutcome ChosenWindowPrinter::printWindow(QWidget& window) {
    PrinterJob job(choice_);
    PrintOutcome outcome = job.begin(window.windowTitle(), 0);
    if (outcome == PrintOutcome::Printed) {
        const QRect page = job.printableArea();
        const double screenDpi = window.logicalDpiX() > 0 ? window.logicalDpiX() : 96.0;
        double factor = job.device().logicalDpiX() / screenDpi;
        factor = std::min(factor, page.width() / static_cast<double>(std::max(1, window.width())));
        factor = std::min(factor, page.height() / static_cast<double>(std::max(1, window.height())));
        job.painter().scale(factor, factor);
        window.render(&job.painter(), QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        outcome = job.end();
    }
    reason_ = job.failureReason();
    return outcome;
}

WindowPrinter& defaultWindowPrinter() {
    static const PrinterChoice none;
    static ChosenWindowPrinter printer(none);
    return printer;
}

}  // namespace quillmar
