#include "app/frmFeed.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/speed_feed_window.h"

namespace quillmar {

frmFeed::frmFeed(std::function<bool(const QString&)> insert, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      insert_(std::move(insert)) {
    setWindowTitle(QStringLiteral(" Feed by roughnes"));
    Frame1 = new QGroupBox(QStringLiteral("Roughnes"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1 = new QRadioButton(QStringLiteral("Ra"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setChecked(true);
    Option2 = new QRadioButton(QStringLiteral("Rｚ"), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    RA = makeNamedBox(this, "RA", {});
    Label2 = makeNamedLabel(this, "Label2", QStringLiteral("um"));
    Label1 = makeNamedLabel(this, "Label1", QStringLiteral("Nose-R"));
    NoseR = makeNamedBox(this, "NoseR", QStringLiteral("例：0.4、0.8、1.2など"));
    Label3 = makeNamedLabel(this, "Label3", QStringLiteral("mm"));
    Label4 = makeNamedLabel(this, "Label4",
                            QStringLiteral("注意： 理論上の送りなので加工条件により面粗さは悪くなることがあります。"));
    Label4->setWordWrap(true);

    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addWidget(Option1);
    frameLayout->addWidget(Option2);
    frameLayout->addWidget(RA);
    frameLayout->addWidget(Label2);
    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Frame1, 0, 0, 1, 3);
    layout->addWidget(Label1, 1, 0);
    layout->addWidget(NoseR, 1, 1);
    layout->addWidget(Label3, 1, 2);
    layout->addWidget(Label4, 2, 0, 1, 3);
    Label4->setFixedWidth(260);
    setTabOrder(RA, NoseR);
    RA->setFocus(Qt::OtherFocusReason);
}

void frmFeed::NoseR_Enter() {
    applyOutcome(*this, feedFromRoughness(RA->text(), NoseR->text(), Option1->isChecked()), insert_);
}

bool frmFeed::eventFilter(QObject* watched, QEvent* event) {
    if (isEnterKey(event)) {
        if (watched == RA)
            NoseR->setFocus(Qt::TabFocusReason);
        else if (watched == NoseR)
            NoseR_Enter();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quillmar
