#include "app/RPM.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/speed_feed_window.h"
#include "platform/form_behaviour.h"

namespace quillmar {

RPM::RPM(std::function<bool(const QString&)> insert, QWidget* parent)
    : QWidget(parent, kFixedToolWindow),
      insert_(std::move(insert)) {
    setWindowTitle(QStringLiteral(" Spindle Spped"));
    Label1 = named(new QLabel(QStringLiteral("Cutting"), this), "Label1");
    Label3 = named(new QLabel(QStringLiteral("V"), this), "Label3");
    V = makeNamedBox(this, "V", QStringLiteral("mm/min"));
    Label5 = named(new QLabel(QStringLiteral("m/min"), this), "Label5");
    Label2 = named(new QLabel(QStringLiteral("Diameter"), this), "Label2");
    Label4 = named(new QLabel(QStringLiteral("D"), this), "Label4");
    Diameter = makeNamedBox(this, "Diameter", QStringLiteral("mm"));
    Label6 = named(new QLabel(QStringLiteral("mm"), this), "Label6");

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const QList<QList<QWidget*>> rows = {{Label1, Label3, V, Label5}, {Label2, Label4, Diameter, Label6}};
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size(); ++column)
            layout->addWidget(rows[row][column], row, column);
    setTabOrder(V, Diameter);
    auto* enter = new EnterChain(this);
    enter->moveOn(V, Diameter);
    enter->run(Diameter, [this] { Diameter_Enter(); });
}

void RPM::Diameter_Enter() { applyOutcome(*this, spindleSpeed(V->text(), Diameter->text()), insert_); }

}  // namespace quillmar
