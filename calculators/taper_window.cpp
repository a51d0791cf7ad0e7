#include "calculators/taper_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillmar {

TaperWindow::TaperWindow(const QString& title, InsertText insert, QWidget* parent)
    : QWidget(parent, kFixedToolWindow),
      insert_(std::move(insert)),
      enter_(new EnterChain(this, this)),
      leave_(new OnLeave(this, this)) {
    setWindowTitle(title);
}

QLineEdit* TaperWindow::makeInputBox(const char* name) {
    auto* box = named(new QLineEdit(this), name);
    box->setFixedWidth(73);
    return box;
}

QLineEdit* TaperWindow::makeResultBox(const char* name) {
    QLineEdit* box = makeInputBox(name);
    showAsResultBox(box);
    return box;
}

QPushButton* TaperWindow::makeButton(const char* name, const QString& text) {
    auto* button = named(new QPushButton(text, this), name);
    button->setAutoDefault(true);
    return button;
}

bool TaperWindow::eventFilter(QObject* watched, QEvent* event) {
    return enter_->handle(watched, event) || leave_->handle(watched, event) || QWidget::eventFilter(watched, event);
}

void TaperWindow::layOut(const QList<std::pair<QLabel*, QLineEdit*>>& rows, QWidget* sketch, QLabel* note,
                         QGroupBox* insertFrame, const QList<QPushButton*>& insertButtons, QPushButton* cancel) {
    auto* boxes = new QGridLayout;
    for (int row = 0; row < rows.size(); ++row) {
        boxes->addWidget(rows[row].first, row, 0);
        boxes->addWidget(rows[row].second, row, 1);
    }
    auto* top = new QHBoxLayout;
    top->addLayout(boxes);
    top->addWidget(sketch);
    auto* insertRow = new QHBoxLayout(insertFrame);
    for (QPushButton* b : insertButtons)
        insertRow->addWidget(b);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(insertFrame);
    bottom->addStretch();
    bottom->addWidget(cancel, 0, Qt::AlignBottom);
    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->addLayout(top);
    if (note)
        main->addWidget(note);
    main->addLayout(bottom);
}

}  // namespace quillmar
