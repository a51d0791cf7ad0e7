#pragma once

#include <QDialog>

#include "cycles/user_graphic.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillmar {

struct SharedState;
class UgcSketch;

// The workpiece dialog ("Material input"): the blank and chuck dimensions that the
// turning and drilling dialogs take as defaults, the choice of the user-graphic
// subprogram, and the material's cutting-condition file, which is loaded at once.
// Created for each showing in its design state; "Exe." stores the work shape and builds
// the subprogram, "Cancel" (and Escape) leave the work shape alone. A material file once
// chosen stays in force either way.
class frmUGC : public QDialog {
    Q_OBJECT

public:
    explicit frmUGC(SharedState& state, QWidget* parent = nullptr);

    // The boxes and options as they stand.
    UgcInput input() const;

    void Form_Load();
    void Command1_Click();  // "Exe."
    void Command2_Click();  // "Cancel"
    void Check3_Click();    // "Graphck"
    void Check1_Click();    // "With Center"
    void Material_Click();  // "Material File Select"
    // The sketch highlight of the nine boxes.
    void box_GotFocus(QLineEdit* box);
    void box_LostFocus(QLineEdit* box);

    // Escape comes here: it counts as Cancel.
    void reject() override;

    QLabel* Label13;
    QLineEdit* CsvFile;
    QPushButton* Material;
    UgcSketch* Sketch;
    QLabel* Label10;
    QLabel* Label12;
    QLabel* Label11;
    QGroupBox* SpindleSelect;
    QRadioButton* MainSpindle;
    QRadioButton* SubSpindle;
    QGroupBox* ChuckingSelect;
    QRadioButton* OD;
    QRadioButton* ID;
    QCheckBox* Check3;
    QCheckBox* Check2;
    QCheckBox* Check1;
    QLabel* Label4;
    QLineEdit* Text9;
    QLabel* Label5;
    QLineEdit* Text1;
    QLabel* Label6;
    QLineEdit* Text2;
    QLabel* Label1;
    QLineEdit* Text3;
    QLabel* Label2;
    QLineEdit* Text5;
    QLabel* Label3;
    QLineEdit* Text4;
    QLabel* Label7;
    QLineEdit* Text8;
    QLabel* Label8;
    QLineEdit* Text7;
    QLabel* Label9;
    QLineEdit* Text6;
    QPushButton* Command1;
    QPushButton* Command2;

    // The nine boxes in tab order.
    QList<QLineEdit*> boxes() const;
    // The sketch segment a box highlights while it has the focus.
    static QString segmentOf(const QString& boxName);

    // Box backgrounds: the window colour for input, the button face for a box that does
    // not apply, the menu-bar colour for the inner diameter a centre takes the place of.
    enum class Background { Window, ButtonFace, MenuBar };
    static QColor colourOf(Background background);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    // The tab chain, Enter in the first diameter, and the buttons.
    void connectControls();
    void setBox(QLineEdit* box, bool enabled, Background background);
    // Line19's look as "With Center" sets it: faded while a centre is shown.
    void restoreFaceBelowBore();

    SharedState& state_;
};

}  // namespace quillmar
