#pragma once

// A calculator window with a document to insert into, a recording picture and a fake
// printer, for the window tests.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <vector>

#include "calculators/figure.h"
#include "platform/recording_surface.h"
#include "platform/window_printer.h"

namespace quillmar::test {

class FakePrinter : public WindowPrinter {
public:
    PrintOutcome outcome = PrintOutcome::Printed;
    std::function<void(QWidget&)> whilePrinting;
    int calls = 0;

    PrintOutcome printWindow(QWidget& window) override {
        ++calls;
        if (whilePrinting)
            whilePrinting(window);
        return outcome;
    }
};

template <typename Window>
struct CalculatorWindow {
    QStringList inserted;
    bool documentOpen = true;
    RecordingSurface surface;
    FakePrinter printer;
    Window w{[this](const QString& text) {
        if (!documentOpen)
            return false;
        inserted << text;
        return true;
    }};

    CalculatorWindow() {
        w.setDrawingSurface(&surface);
        w.setPrinter(&printer);
        w.show();
        w.activateWindow();
    }

    // Types into each box as a person would: focus in, text, and on to the Cancel button,
    // which fires the box's LostFocus.
    void type(const QList<std::pair<QLineEdit*, QString>>& entries) {
        for (const auto& [box, text] : entries) {
            box->setFocus(Qt::TabFocusReason);
            box->setText(text);
        }
        w.template findChild<QPushButton*>(QStringLiteral("Command2"))->setFocus(Qt::TabFocusReason);
    }

    QStringList texts(const QList<QLineEdit*>& boxes) const {
        QStringList list;
        for (QLineEdit* box : boxes)
            list << box->text();
        return list;
    }

    std::vector<RecordingSurface::Drawn> shownOfKind(RecordingSurface::Drawn::Kind kind) const {
        std::vector<RecordingSurface::Drawn> result;
        for (const RecordingSurface::Drawn& d : surface.shown())
            if (d.kind == kind)
                result.push_back(d);
        return result;
    }

    // Enter from each widget of the chain moves the focus to the next.
    void expectEnterChain(const QList<QWidget*>& chain) {
        chain.front()->setFocus(Qt::OtherFocusReason);
        for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
            chain[i]->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(chain[i], Qt::Key_Return);
            QVERIFY2(QApplication::focusWidget() == chain[i + 1], qPrintable(chain[i]->objectName()));
        }
    }

    // Print: the figure redrawn inverted on white while the printer prints the window,
    // then black, the screen colours and the read-out again.
    void expectPrintRedrawsOnWhite(const QString& printButton = QStringLiteral("Command10")) {
        auto* print = w.template findChild<QPushButton*>(printButton);
        QVERIFY(print);
        std::vector<RecordingSurface::Drawn> during;
        QRgb background = 0;
        printer.whilePrinting = [&](QWidget& window) {
            QCOMPARE(&window, static_cast<QWidget*>(&w));
            during = surface.shown();
            background = surface.backColor();
        };
        const auto before = surface.shown();
        print->click();
        QCOMPARE(printer.calls, 1);
        QCOMPARE(background, kPictureWhite);
        QCOMPARE(during.size(), before.size());
        for (std::size_t i = 0; i < during.size(); ++i) {
            if (during[i].kind != RecordingSurface::Drawn::Text)
                QCOMPARE(during[i].colour, invertedColour(before[i].colour));
        }
        QCOMPARE(surface.backColor(), kPictureBlack);
        QCOMPARE(surface.drawMode(), DrawMode::CopyPen);
        QVERIFY(!w.Picture3->isHidden());
        const auto after = surface.shown();
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i)
            QCOMPARE(after[i].colour, before[i].colour);
    }
};

}  // namespace quillmar::test
