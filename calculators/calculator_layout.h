#pragma once

#include <QList>
#include <QStringList>

class QGroupBox;
class QRadioButton;
class QWidget;

namespace quillmar {

// The plane frame "座標" with its options, "Ｘ-Ｚ" on.
QGroupBox* makePlaneFrame(QWidget* window, QRadioButton*& optionXZ, QRadioButton*& optionXY);
// A frame of solution options, the first on; the options are named Option1, Option2, ...
QGroupBox* makeOptionFrame(QWidget* window, const char* name, const QString& caption,
                           const QList<QRadioButton**>& options, const QStringList& captions);

// The window's layout: the picture on top, the frames in a row under it, the rows of
// labels, boxes and buttons (nullptr leaves a cell empty), the notes and the buttons at
// the bottom right. Labels and boxes get the calculators' font.
void layOutCalculator(QWidget* window, const QList<QWidget*>& frames, const QList<QList<QWidget*>>& rows,
                      const QList<QWidget*>& notes, const QList<QWidget*>& bottomButtons);

// The Tab key's order through the window.
void setTabChain(const QList<QWidget*>& order);

}  // namespace quillmar
