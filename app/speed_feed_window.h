#pragma once

#include <QString>
#include <functional>

#include "app/speed_feed.h"

class QLineEdit;
class QWidget;

namespace quillmar {

// What the spindle-speed and feed windows share.

// A box of the windows' width, with its unit as the tip.
QLineEdit* makeNamedBox(QWidget* parent, const char* name, const QString& toolTip);
// Carries out an outcome in its window: inserts and closes, or moves the focus (after the
// refusal's message). An insert with no target document changes nothing.
void applyOutcome(QWidget& window, const SpeedFeedOutcome& outcome,
                  const std::function<bool(const QString&)>& insert);

}  // namespace quillmar
