#include "app/text_tools/search_window.h"

#include <QCheckBox>

#include <QKeyEvent>

#include "app/document_state.h"
#include "platform/modal.h"

namespace quillmar {

SearchWindow::SearchWindow(DocumentState& docs, ActiveText activeText, QWidget* parent, const QString& caption)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      docs_(docs),
      activeText_(std::move(activeText)) {
    setWindowTitle(caption);
    setModal(false);
}

DocumentState& SearchWindow::docs() { return docs_; }

SearchState& SearchWindow::search() { return docs_.search; }

RichTextBox* SearchWindow::activeBox() const { return activeText_(); }

void SearchWindow::tell(const QString& text, const QString& title, int style) {
    modal::msgBox(this, text, modal::kOkOnly | style, title);
}

QString SearchWindow::countOr(qint64 count, const QString& countText, const QString& find, const QString& notFound) {
    if (count != 0)
        return QString::number(count) + countText;
    return QLatin1Char('"') + find + QLatin1Char('"') + notFound;
}

void SearchWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SearchWindow::startAtTopOnce(QCheckBox* fromTop) {
    if (!fromTop->isChecked())
        return;
    docs().gSearchPos = 0;
    fromTop->setChecked(false);
}

}  // namespace quillmar
