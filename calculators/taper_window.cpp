#include "calculators/taper_window.h"

#include <QLabel>

#include <QGroupBox>

#include <QVBoxLayout>

#include <QHBoxLayout>

#include <QGridLayout>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace quillmar {

TaperWindow::TaperWindow(const QString& title, InsertText insert, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      insert_(std::move(insert)) {
    setWindowTitle(title);
}

QLineEdit* TaperWindow::makeInputBox(const char* name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setFixedWidth(73);
    box->installEventFilter(this);
    return box;
}

QLineEdit* TaperWindow::makeResultBox(const char* name) {
    QLineEdit* box = makeInputBox(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    box->setPalette(colours);
    return box;
}

QPushButton* TaperWindow::makeButton(const char* name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);
    return button;
}

void TaperWindow::enterMovesTo(QWidget* from, QWidget* to) { enterNext_.insert(from, to); }

void TaperWindow::onLostFocus(QLineEdit* box, std::function<void()> handler) {
    lostFocus_.insert(box, std::move(handler));
}

bool TaperWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            if (QWidget* next = enterNext_.value(watched))
                next->setFocus(Qt::TabFocusReason);
    } else if (event->type() == QEvent::FocusOut) {
        // Switching windows or opening a context menu does not leave the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const auto it = lostFocus_.constFind(watched);
        if (it != lostFocus_.constEnd() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            (*it)();
    }
    return QWidget::eventFilter(watched, event);
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
