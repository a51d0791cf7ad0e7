#pragma once

#include "app/text_tools/search_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmar {

// " Replace": replaces hits one by one (Change, Skip) or all at once (All change).
class frmReplace : public SearchWindow {
    Q_OBJECT

public:
    frmReplace(DocumentState& docs, ActiveText activeText, QWidget* parent);

    void setFindBox(const QString& text) override;
    void txtFind_Change();
    void txtReplace_Change();
    void Change_Click();
    void NextFind_Click();
    void AllChange_Click();
    void Cancel_Click();

    QLabel* Label1;
    QLineEdit* txtFind;
    QLabel* Label2;
    QLineEdit* txtReplace;
    QPushButton* Change;
    QPushButton* Cancel;
    QPushButton* AllChange;
    QCheckBox* Check1;  // from the top
    QPushButton* NextFind;  // "Skip"

private:
    void boxesChanged();
    void runEnded(qint64 count, const QString& countText);
};

}  // namespace quillmar
