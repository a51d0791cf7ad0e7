#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRect>
#include <memory>
#include <optional>

#include "platform/print_surface.h"

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class QSaveFile;
class QWidget;

namespace quillmar {

// The printer that printing uses: the one the user chose in the printer dialog, else the
// system's default printer.
class PrinterChoice {
public:
    PrinterChoice();
    ~PrinterChoice();

    // nullptr until the user has chosen one.
    QPrinter* chosen() const { return chosen_.get(); }
    // Shows the printer dialog preset to the orientation (1 portrait, 2 landscape); the
    // orientation chosen, or nullopt when the user cancelled (the choice then stands).
    std::optional<int> choose(QWidget* parent, int orientation);

private:
    std::unique_ptr<QPrinter> chosen_;
};

// One job on the chosen printer. A job that prints to a PDF file writes the file whole
// when it ends well and leaves whatever was there before when it fails.
class PrinterJob {
public:
    explicit PrinterJob(const PrinterChoice& choice);
    ~PrinterJob();
    PrinterJob(const PrinterJob&) = delete;
    PrinterJob& operator=(const PrinterJob&) = delete;

    // orientation: 1 portrait, 2 landscape, 0 as the printer stands. Anything but
    // Printed means there is no job to paint on.
    PrintOutcome begin(const QString& documentName, int orientation);
    QPainter& painter() { return painter_; }
    QPaintDevice& device() const;
    // The printable area of a page in the device's pixels.
    QRect printableArea() const;
    double pixelsPerMillimetre() const;
    void newPage();
    // Sends the job; Failed when the printer or the file refused it.
    PrintOutcome end();
    // Asks the printer to drop the job; a PDF file is not written at all.
    void cancel();
    // Why the job failed, in the system's words; empty when it gave no reason.
    const QString& failureReason() const { return reason_; }

private:
    PrintOutcome fail(const QString& reason);

    const PrinterChoice& choice_;
    std::unique_ptr<QPrinter> defaultPrinter_;
    QPrinter* printer_ = nullptr;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
    QPagedPaintDevice* device_ = nullptr;
    QPainter painter_;
    bool pageFailed_ = false;
    QString reason_;
};

// A print job on a real printer (or the PDF file the user chose to print to).
class PrinterSurface : public PrintSurface {
public:
    explicit PrinterSurface(const PrinterChoice& choice);
    ~PrinterSurface() override;

    PrintOutcome begin(const QString& documentName, int orientation, const QString& fontName,
                       int fontPoints) override;
    double printableWidth() const override;
    double printableHeight() const override;
    double textWidth(QStringView text) const override;
    double textHeight(QStringView text) const override;
    void printText(QPointF topLeft, const QString& text) override;
    void drawLine(QPointF from, QPointF to) override;
    void newPage() override;
    PrintOutcome end() override;
    void cancel() override { job_.cancel(); }
    QString failureReason() const override { return job_.failureReason(); }

private:
    PrinterJob job_;
    QFont font_;
    std::unique_ptr<QFontMetricsF> metrics_;
};

}  // namespace quillmar
