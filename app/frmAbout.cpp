#include "app/frmAbout.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/quillmar_application.h"
#include "app/toolbar_icons.h"

namespace quillmar {
namespace {

constexpr int kMajor = 2, kMinor = 7, kRevision = 7;

}  // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Quillmar"));
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(applicationIcon().pixmap(32, 32));
    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(lblVersion, 1, 1);
    layout->addWidget(cmdOK, 2, 1, Qt::AlignRight);
    Form_Load();
}

void frmAbout::Form_Load() {
    lblVersion->setText(QStringLiteral("Version %1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision));
    lblTitle->setText(kAppTitle);
}

void frmAbout::cmdOK_Click() { accept(); }

}  // namespace quillmar
