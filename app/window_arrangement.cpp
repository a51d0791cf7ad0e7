#include "app/window_arrangement.h"

#include <algorithm>
#include <cmath>

namespace quillmar {
namespace {

// Splits `length` into `parts` runs that differ by at most one, the longer ones last.
int runStart(int length, int parts, int i) { return static_cast<int>(static_cast<long long>(length) * i / parts); }

// Tiles in columns across `major` (x for side by side) and rows along `minor`.
QList<QRect> tile(const QRect& area, int n, bool sideBySide) {
    QList<QRect> rects;
    const int lanes = n <= 3 ? n : static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
    const int perLane = n / lanes;
    const int longerLanes = n % lanes;  // the last `longerLanes` lanes hold one more window
    const int across = sideBySide ? area.width() : area.height();
    const int along = sideBySide ? area.height() : area.width();
    for (int lane = 0; lane < lanes; ++lane) {
        const int count = perLane + (lane >= lanes - longerLanes ? 1 : 0);
        const int a0 = runStart(across, lanes, lane);
        const int a1 = runStart(across, lanes, lane + 1);
        for (int k = 0; k < count; ++k) {
            const int b0 = runStart(along, count, k);
            const int b1 = runStart(along, count, k + 1);
            if (sideBySide)
                rects << QRect(area.left() + a0, area.top() + b0, a1 - a0, b1 - b0);
            else
                rects << QRect(area.left() + b0, area.top() + a0, b1 - b0, a1 - a0);
        }
    }
    return rects;
}

QList<QRect> cascade(const QRect& area, int n, int step) {
    QList<QRect> rects;
    if (n <= 0)
        return rects;
    // Windows keep at least two thirds of the area; past that the cascade starts over.
    const int minWidth = area.width() * 2 / 3;
    const int minHeight = area.height() * 2 / 3;
    const int fit = step > 0 ? std::max(1, std::min((area.width() - minWidth) / step, (area.height() - minHeight) / step) + 1) : n;
    const int depth = std::min(n, fit);
    const int width = std::max(1, area.width() - (depth - 1) * step);
    const int height = std::max(1, area.height() - (depth - 1) * step);
    for (int i = 0; i < n; ++i) {
        const int k = i % depth;
        rects << QRect(area.left() + k * step, area.top() + k * step, width, height);
    }
    return rects;
}

}  // namespace

QList<QRect> arrangeWindows(Arrangement arrangement, const QRect& area, int n, int step) {
    if (n <= 0)
        return {};
    switch (arrangement) {
        case Arrangement::Cascade: return cascade(area, n, step);
        case Arrangement::TileHorizontal: return tile(area, n, false);
        case Arrangement::TileVertical: return tile(area, n, true);
    }
    return {};
}

QList<int> cascadeOrder(int n, int active) {
    QList<int> order;
    for (int i = 0; i < n; ++i)
        if (i != active)
            order << i;
    if (active >= 0 && active < n)
        order << active;
    return order;
}

}  // namespace quillmar
