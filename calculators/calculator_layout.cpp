#include "calculators/calculator_layout.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRect>
#include <QVBoxLayout>

#include "platform/PictureBox.h"
#include "platform/fonts.h"

namespace quillmar {
namespace {

void styleCell(QWidget* w, int column, const CalculatorLayout& layout) {
    const bool ownFont = w->testAttribute(Qt::WA_SetFont);
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        box->setFixedWidth(layout.boxWidth);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (column > 0)
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else {
        return;
    }
    if (layout.calculatorFont && !ownFont)
        w->setFont(fontForName(QStringLiteral("ＭＳ Ｐゴシック"), 12));
}

QGridLayout* gridOf(const CalculatorLayout& layout) {
    QList<QWidget*> order;
    QHash<QWidget*, QRect> cells;
    for (int r = 0; r < layout.rows.size(); ++r) {
        for (int c = 0; c < layout.rows[r].size(); ++c) {
            QWidget* w = layout.rows[r][c];
            if (!w)
                continue;
            if (!cells.contains(w))
                order.append(w);
            cells[w] |= QRect(c, r, 1, 1);
        }
    }
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    for (QWidget* w : order) {
        const QRect cell = cells.value(w);
        grid->addWidget(w, cell.top(), cell.left(), cell.height(), cell.width());
        styleCell(w, cell.left(), layout);
    }
    // Room the picture leaves beside the rows goes after the last column.
    grid->setColumnStretch(grid->columnCount(), 1);
    return grid;
}

}  // namespace

QGroupBox* makePlaneFrame(QWidget* window, QRadioButton*& optionXZ, QRadioButton*& optionXY) {
    auto* frame = new QGroupBox(QStringLiteral("座標"), window);
    frame->setObjectName(QStringLiteral("Frame2"));
    optionXZ = new QRadioButton(QStringLiteral("Ｘ-Ｚ"), frame);
    optionXZ->setObjectName(QStringLiteral("OptionXZ"));
    optionXY = new QRadioButton(QStringLiteral("Ｘ－Ｙ"), frame);
    optionXY->setObjectName(QStringLiteral("OptionXY"));
    optionXZ->setChecked(true);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(optionXZ);
    layout->addWidget(optionXY);
    return frame;
}

QGroupBox* makeOptionFrame(QWidget* window, const char* name, const QString& caption,
                           const QList<QRadioButton**>& options, const QStringList& captions) {
    auto* frame = new QGroupBox(caption, window);
    frame->setObjectName(QString::fromLatin1(name));
    auto* layout = new QHBoxLayout(frame);
    for (qsizetype i = 0; i < options.size(); ++i) {
        auto* option = new QRadioButton(captions.value(i), frame);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        layout->addWidget(option);
        *options[i] = option;
    }
    (*options.front())->setChecked(true);
    return frame;
}

void layOutCalculator(QWidget* window, const CalculatorLayout& layout) {
    auto* main = new QVBoxLayout(window);
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->setContentsMargins(layout.margins);
    main->addWidget(window->findChild<PictureBox*>(QStringLiteral("Picture1")));
    if (!layout.frames.isEmpty()) {
        auto* frames = new QHBoxLayout;
        for (QWidget* frame : layout.frames)
            frames->addWidget(frame);
        frames->addStretch();
        main->addLayout(frames);
    }
    main->addLayout(gridOf(layout));
    for (const QList<QWidget*>& line : layout.lines) {
        if (line.size() == 1) {
            main->addWidget(line.front());
            continue;
        }
        auto* row = new QHBoxLayout;
        for (QWidget* w : line) {
            if (w)
                row->addWidget(w);
            else
                row->addStretch();
        }
        main->addLayout(row);
    }
}

void showAsNote(QLabel* label) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(colours);
}

void showTexts(const QList<std::pair<QLineEdit*, std::optional<QString>>>& texts) {
    for (const auto& [box, text] : texts)
        if (text)
            box->setText(*text);
}

void applyPlaneCaptions(const QList<PlaneCaption>& captions, Plane plane) {
    for (const PlaneCaption& caption : captions) {
        const QString& text = plane == Plane::XZ ? caption.xz : caption.xy;
        for (const auto& control : caption.controls)
            std::visit([&text](auto* c) { c->setText(text); }, control);
    }
}

QString insertText(const InsertButton& insert, Plane plane) {
    QString text;
    for (const InsertWord& word : insert.words) {
        text += (plane == Plane::XY && !word.xy.isEmpty()) ? word.xy : word.xz;
        if (word.box)
            text += word.box->text();
    }
    if (insert.lineEnd)
        text += QStringLiteral("\r\n");
    return text;
}

InsertButton pointInsert(QAbstractButton* button, const QString& lead, const QLineEdit* x, const QLineEdit* z,
                         bool lineEnd) {
    return {button, {{lead, {}, x}, {QStringLiteral(" Z"), QStringLiteral(" Y"), z}}, lineEnd};
}

InsertButton offsetInsert(QAbstractButton* button, const QLineEdit* i, const QLineEdit* k, bool lineEnd) {
    return {button, {{QStringLiteral(" I"), {}, i}, {QStringLiteral(" K"), QStringLiteral(" J"), k}}, lineEnd};
}

InsertButton wordsInsert(QAbstractButton* button, const QList<std::pair<QString, const QLineEdit*>>& words,
                         bool lineEnd) {
    InsertButton insert{button, {}, lineEnd};
    for (const auto& [word, box] : words)
        insert.words.append({word, {}, box});
    return insert;
}

InsertButton arcInsert(QAbstractButton* button, const QLineEdit* x, const QLineEdit* z, const QLineEdit* r) {
    InsertButton arc = pointInsert(button, QStringLiteral("N000 G0* X"), x, z);
    arc.words.append({QStringLiteral(" L"), {}, r});
    return arc;
}

}  // namespace quillmar
