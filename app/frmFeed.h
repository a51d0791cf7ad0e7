#pragma once

#include <QWidget>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace quillmar {

// " Feed by roughnes": the theoretical feed for a surface roughness and a nose radius,
// inserted into the target document by Enter in the nose-radius box; the window then
// closes.
class frmFeed : public QWidget {
    Q_OBJECT
public:
    explicit frmFeed(std::function<bool(const QString&)> insert = {}, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QRadioButton* Option1;  // Ra
    QRadioButton* Option2;  // Rz
    QLineEdit* RA;
    QLabel* Label2;
    QLabel* Label1;
    QLineEdit* NoseR;
    QLabel* Label3;
    QLabel* Label4;

    void NoseR_Enter();

private:
    std::function<bool(const QString&)> insert_;
};

}  // namespace quillmar
