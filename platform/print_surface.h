#pragma once

#include <QPointF>
#include <QString>
#include <QStringView>

#include "platform/window_printer.h"

namespace quillmar {

// A print job in millimetres, x from the left and y from the top of the printable area.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Starts the job on its printer in the orientation (1 portrait, 2 landscape) and the
    // print font; anything but Printed means there is no job to print on.
    virtual PrintOutcome begin(const QString& documentName, int orientation, const QString& fontName,
                               int fontPoints) = 0;
    virtual double printableWidth() const = 0;
    virtual double printableHeight() const = 0;
    // Extent of the text in the print font, as the printer lays it out.
    virtual double textWidth(QStringView text) const = 0;
    virtual double textHeight(QStringView text) const = 0;
    // The text with its top left corner at the point.
    virtual void printText(QPointF topLeft, const QString& text) = 0;
    virtual void drawLine(QPointF from, QPointF to) = 0;
    virtual void newPage() = 0;
    // Sends the job; Failed when the printer refused it.
    virtual PrintOutcome end() = 0;
    // Drops the job: nothing more is printed and no file is written.
    virtual void cancel() = 0;
    // Why the job failed, in the system's words; empty when it gave no reason.
    virtual QString failureReason() const { return {}; }
};

}  // namespace quillmar
