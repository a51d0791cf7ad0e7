#pragma once

#include <QList>
#include <QRect>

namespace quillmar {

enum class Arrangement { Cascade = 0, TileHorizontal = 1, TileVertical = 2 };

// Where n document windows go inside `area`. Tile Vertical puts windows side by side
// (up to three in one row, more in a near-square grid filled column by column); Tile
// Horizontal stacks them one above another the same way turned on its side; Cascade
// offsets each window by `step` down and to the right of the one before.
QList<QRect> arrangeWindows(Arrangement arrangement, const QRect& area, int n, int step);

// The order, back to front, in which Cascade places and stacks n windows given in the order
// they were opened: the active one (`active`; none when out of range) last, in front, the
// others before it as they were opened. Each window then lies below and right of every one
// behind it, so that every title bar shows.
QList<int> cascadeOrder(int n, int active);

}  // namespace quillmar
