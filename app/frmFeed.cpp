#include "app/frmFeed.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/speed_feed_window.h"
#include "platform/form_behaviour.h"

namespace quillmar {

frmFeed::frmFeed(std::function<bool(const QString&)> insert, QWidget* parent)
    : QWidget(parent, kFixedToolWindow),
      insert_(std::move(insert)) {
    setWindowTitle(QStringLiteral(" Feed by roughnes"));
    Frame1 = named(new QGroupBox(QStringLiteral("Roughnes"), this), "Frame1");
    Option1 = named(new QRadioButton(QStringLiteral("Ra"), Frame1), "Option1");
    Option1->setChecked(true);
    Option2 = named(new QRadioButton(QStringLiteral("Rｚ"), Frame1), "Option2");
    RA = makeNamedBox(this, "RA", {});
    Label2 = named(new QLabel(QStringLiteral("um"), this), "Label2");
    Label1 = named(new QLabel(QStringLiteral("Nose-R"), this), "Label1");
    NoseR = makeNamedBox(this, "NoseR", QStringLiteral("例：0.4、0.8、1.2など"));
    Label3 = named(new QLabel(QStringLiteral("mm"), this), "Label3");
    Label4 = named(new QLabel(QStringLiteral("注意： 理論上の送りなので加工条件により面粗さは悪くなることがあります。"), this),
                   "Label4");
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
    auto* enter = new EnterChain(this);
    enter->moveOn(RA, NoseR);
    enter->run(NoseR, [this] { NoseR_Enter(); });
    RA->setFocus(Qt::OtherFocusReason);
}

void frmFeed::NoseR_Enter() {
    applyOutcome(*this, feedFromRoughness(RA->text(), NoseR->text(), Option1->isChecked()), insert_);
}

}  // namespace quillmar
