#include "app/RPM.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/speed_feed_window.h"

namespace quillmar {

RPM::RPM(std::function<bool(const QString&)> insert, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      insert_(std::move(insert)) {
    setWindowTitle(QStringLiteral(" Spindle Spped"));
    Label1 = makeNamedLabel(this, "Label1", QStringLiteral("Cutting"));
    Label3 = makeNamedLabel(this, "Label3", QStringLiteral("V"));
    V = makeNamedBox(this, "V", QStringLiteral("mm/min"));
    Label5 = makeNamedLabel(this, "Label5", QStringLiteral("m/min"));
    Label2 = makeNamedLabel(this, "Label2", QStringLiteral("Diameter"));
    Label4 = makeNamedLabel(this, "Label4", QStringLiteral("D"));
    Diameter = makeNamedBox(this, "Diameter", QStringLiteral("mm"));
    Label6 = makeNamedLabel(this, "Label6", QStringLiteral("mm"));

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const QList<QList<QWidget*>> rows = {{Label1, Label3, V, Label5}, {Label2, Label4, Diameter, Label6}};
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size(); ++column)
            layout->addWidget(rows[row][column], row, column);
    setTabOrder(V, Diameter);
}

void RPM::Diameter_Enter() { applyOutcome(*this, spindleSpeed(V->text(), Diameter->text()), insert_); }

bool RPM::eventFilter(QObject* watched, QEvent* event) {
    if (isEnterKey(event)) {
        if (watched == V)
            Diameter->setFocus(Qt::TabFocusReason);
        else if (watched == Diameter)
            Diameter_Enter();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quillmar
