#include "calculators/taper_window.h"

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

}  // namespace quillmar
