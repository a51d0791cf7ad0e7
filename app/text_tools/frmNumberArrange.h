#pragma once

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillmar {

class frmDocument;
struct DocumentState;

// Sequence Number Arrange: renumbers the blocks of the document it was opened for.
class frmNumberArrange : public QWidget {
    Q_OBJECT
public:
    // A run leaves the search position of the text tools in `docs`.
    explicit frmNumberArrange(DocumentState& docs, QWidget* parent = nullptr);

    // The document a run writes into; each opening names the active one, and the search
    // position moves to its selection.
    void setDocument(frmDocument* document);
    frmDocument* document() const;

    QLabel* Label1;
    QLineEdit* DigitNo;
    QLabel* Label3;
    QLineEdit* StartNo;
    QLabel* Label2;
    QLineEdit* AddNo;
    QCheckBox* FromTop;
    QCheckBox* StopM02;
    QCheckBox* Continue;
    QGroupBox* Frame1;
    QRadioButton* WithoutSpace;
    QRadioButton* With1Space;
    QRadioButton* With5Space;
    QPushButton* Command1;
    QPushButton* Cancel;

    void Command1_Click();
    void StopM02_Click();
    void Cancel_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Kept here rather than in the shared target: another tool window may retarget that
    // while this one is open.
    QPointer<frmDocument> document_;
    DocumentState& docs_;
};

// Tools > Number Arrange, once the window is at hand: it now works on `active`.
void mnuToolsNumberArrange_Click(QWidget& window, frmDocument& active);

}  // namespace quillmar
