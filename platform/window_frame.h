#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace quillmar {

// A window placement moved and, where it is larger, shrunk so that it lies wholly inside
// `area` (the screen's available area).
QRect fitIntoArea(const QRect& wanted, const QRect& area);

// The frame and title bar the window manager puts round a top-level window, as margins round
// its inner area: its own once the window manager has framed it; until then those of the
// window it belongs to, which the same window manager frames alike; none when neither is known.
QMargins windowFrame(const QWidget& window);

// Moves and, where it is larger, shrinks a top-level window so that the whole of it, frame
// and title bar included, lies inside its screen's available area; once more when the window
// manager frames it, for only then is its frame known.
void fitOnScreen(QWidget& window);

// Keeps a top-level window wide enough for the window manager to show its whole title, and
// no wider: a window whose title fits keeps its own size.
void keepTitleWhole(QWidget& window);

// Keeps a dialog's title bar to the title alone, as its flags ask (kFixedDialog,
// kFixedToolDialog), also under a window manager that adds buttons the flags turn down, as
// far as it lets a window refuse them (openbox keeps the close button whatever it is asked).
void keepTitleBarBare(QWidget& dialog);

}  // namespace quillmar
