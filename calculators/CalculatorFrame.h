#pragma once

#include <QList>
#include <QWidget>
#include <functional>
#include <optional>

#include "calculators/calculator_layout.h"
#include "calculators/figure.h"
#include "calculators/readout_strip.h"
#include "platform/form_behaviour.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class QAbstractButton;

namespace quillmar {

class DrawingSurface;
class PictureBox;
class WindowPrinter;

// Puts a calculator's text into its target document, replacing the selection there.
// Returns false when there is no target document (none was open, or it has been
// closed); the insert then does nothing.
using InsertText = std::function<bool(const QString&)>;

// What the drawing calculators share: a fixed window without minimize and maximize
// buttons, the picture Picture1 with the coordinate read-out Picture3 over its lower
// left corner, input and result boxes, the Enter chain, insert buttons, Print and the
// failure text. A window recomputes (CalcAndDraw) when an input box loses the focus and
// when the picture takes it; painting never recomputes, it only shows the picture.
class CalculatorFrame : public QWidget {
    Q_OBJECT

public:
    ~CalculatorFrame() override;

    // nullptr: the system's default printer.
    void setPrinter(WindowPrinter* printer);
    // Where CalcAndDraw draws; nullptr: Picture1. Tests draw on a recording surface.
    void setDrawingSurface(DrawingSurface* surface);
    DrawingSurface& drawingSurface() const;

    PictureBox* Picture1;
    ReadoutStrip* Picture3;

    // The read-out for the mouse at x, y in the picture's units.
    virtual void Picture1_MouseMove(float x, float y);
    virtual void Picture1_GotFocus();
    virtual void Form_MouseMove();

protected:
    // pictureSize: Picture1's drawing area in pixels.
    CalculatorFrame(const QString& title, QSize pictureSize, InsertText insert, QWidget* parent);

    virtual void CalcAndDraw() = 0;
    // The plane the read-out and the insert words follow: the chosen plane option's, X-Z
    // without options.
    virtual Plane plane() const;

    // An input box: recomputes when it loses the focus.
    QLineEdit* makeInputBox(const QString& name);
    // A result box: read-only, button-face background, left out by the Tab key.
    QLineEdit* makeResultBox(const QString& name);
    QLabel* makeLabel(const QString& name, const QString& text);
    // A button that Enter presses while it has the focus.
    QPushButton* makeButton(const QString& name, const QString& text);

    // What Enter does in the window's controls; its steps are handled by the window's
    // own filter, after a subclass's.
    EnterChain& enterChain() { return *enter_; }
    // A result box that recomputes when it loses the focus, as an input box does.
    void recomputeOnLeave(QWidget* box);
    // The captions that follow the plane options.
    void setPlaneCaptions(QList<PlaneCaption> captions) { planeCaptions_ = std::move(captions); }
    // The X-Z and X-Y options choose the plane. A click relabels for the plane while its
    // option is chosen, then recomputes and gives the first box the focus.
    void followPlaneOptions(QRadioButton* optionXZ, QRadioButton* optionXY, QWidget* firstBox);
    // Inserts the text into the target document.
    void insert(const QString& text);
    // Builds the button's text from the boxes as they stand and inserts it.
    void insertFromButton(const InsertButton& insert);
    // Each button of the table inserts its text when clicked.
    void connectInsertButtons(const QList<InsertButton>& buttons);
    // Replays a recompute's figure, ending in the failure text when it failed.
    void showFigure(const Figure& figure, std::optional<QRgb> failureColour);
    // The Print button: the figure redrawn inverted on white, the window printed, then
    // the screen state restored; a missing printer or a failed print is reported.
    void printWindow();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    InsertText insert_;
    QList<PlaneCaption> planeCaptions_;
    WindowPrinter* printer_;
    DrawingSurface* surface_ = nullptr;
    EnterChain* enter_;
    OnLeave* leave_;
    QRadioButton* optionXZ_ = nullptr;
};

}  // namespace quillmar
