#pragma once

#include "app/text_tools/search_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmar {

// " Find": finds the find box's text hit by hit, counting the hits.
class frmFind : public SearchWindow {
    Q_OBJECT

public:
    frmFind(DocumentState& docs, ActiveText activeText, QWidget* parent);

    void setFindBox(const QString& text) override;
    void txtFind_Change();
    void NextFind_Click();
    void Cancel_Click();

    QLabel* Label1;
    QLineEdit* txtFind;
    QPushButton* Cancel;
    QCheckBox* Check1;  // from the top
    QPushButton* NextFind;
};

}  // namespace quillmar
