#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;

namespace quillmar {

// " Spindle Spped": the spindle speed for a cutting speed and a diameter, inserted into
// the target document by Enter in the diameter box; the window then closes.
class RPM : public QWidget {
    Q_OBJECT
public:
    // insert: puts the text into the target document; false when there is none.
    explicit RPM(std::function<bool(const QString&)> insert = {}, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label3;
    QLineEdit* V;
    QLabel* Label5;
    QLabel* Label2;
    QLabel* Label4;
    QLineEdit* Diameter;
    QLabel* Label6;

    void Diameter_Enter();

private:
    std::function<bool(const QString&)> insert_;
};

}  // namespace quillmar
