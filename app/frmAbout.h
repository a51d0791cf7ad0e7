#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quillmar {

// The About box: the application's icon, title and version.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QPushButton* cmdOK;

    void cmdOK_Click();

private:
    void Form_Load();
};

}  // namespace quillmar
