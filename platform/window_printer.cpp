#include "platform/window_printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

#include "platform/modal.h"

namespace quillmar {

void tellPrintOutcome(QWidget* parent, PrintOutcome outcome, const QString& reason) {
    if (outcome != PrintOutcome::NoPrinter && outcome != PrintOutcome::Failed)
        return;
    QString text = outcome == PrintOutcome::NoPrinter ? QStringLiteral("プリンタが見つかりません。")
                                                      : QStringLiteral("印刷できませんでした。");
    if (!reason.isEmpty())
        text += QStringLiteral("\r\n") + reason;
    modal::msgBox(parent, text, int{modal::kOkOnly} | int{modal::kExclamation}, QStringLiteral("Print"));
}

PrintOutcome DefaultWindowPrinter::printWindow(QWidget& window) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return PrintOutcome::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(window.windowTitle());
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double screenDpi = window.logicalDpiX() > 0 ? window.logicalDpiX() : 96.0;
    double factor = printer.resolution() / screenDpi;
    factor = std::min(factor, page.width() / static_cast<double>(std::max(1, window.width())));
    factor = std::min(factor, page.height() / static_cast<double>(std::max(1, window.height())));
    painter.scale(factor, factor);
    window.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}

WindowPrinter& defaultWindowPrinter() {
    static DefaultWindowPrinter printer;
    return printer;
}

}  // namespace quillmar
