#include <gtest/gtest.h>

#include "app/window_arrangement.h"

using namespace quillmar;

namespace {

int coveredArea(const QList<QRect>& rects) {
    int sum = 0;
    for (const QRect& r : rects)
        sum += r.width() * r.height();
    return sum;
}

bool overlaps(const QList<QRect>& rects) {
    for (qsizetype i = 0; i < rects.size(); ++i)
        for (qsizetype j = i + 1; j < rects.size(); ++j)
            if (rects[i].intersects(rects[j]))
                return true;
    return false;
}

TEST(WindowArrangement, TilesCoverTheAreaWithoutOverlap) {
    const QRect area(0, 0, 997, 601);
    for (Arrangement a : {Arrangement::TileVertical, Arrangement::TileHorizontal}) {
        for (int n = 1; n <= 6; ++n) {
            const QList<QRect> rects = arrangeWindows(a, area, n, 20);
            ASSERT_EQ(rects.size(), n);
            EXPECT_FALSE(overlaps(rects)) << n;
            EXPECT_EQ(coveredArea(rects), area.width() * area.height()) << n;
        }
    }
}

TEST(WindowArrangement, UpToThreeWindowsShareOneRowOrColumn) {
    const QRect area(0, 0, 900, 600);
    const QList<QRect> vertical = arrangeWindows(Arrangement::TileVertical, area, 3, 20);
    EXPECT_EQ(vertical[0], QRect(0, 0, 300, 600));
    EXPECT_EQ(vertical[2], QRect(600, 0, 300, 600));
    const QList<QRect> horizontal = arrangeWindows(Arrangement::TileHorizontal, area, 2, 20);
    EXPECT_EQ(horizontal[0], QRect(0, 0, 900, 300));
    EXPECT_EQ(horizontal[1], QRect(0, 300, 900, 300));
    // Four side by side become a two by two grid.
    const QList<QRect> four = arrangeWindows(Arrangement::TileVertical, area, 4, 20);
    EXPECT_EQ(four[1], QRect(0, 300, 450, 300));
    EXPECT_EQ(four[3], QRect(450, 300, 450, 300));
}

TEST(WindowArrangement, CascadeStepsDownAndRight) {
    const QList<QRect> rects = arrangeWindows(Arrangement::Cascade, QRect(0, 0, 900, 600), 3, 25);
    ASSERT_EQ(rects.size(), 3);
    EXPECT_EQ(rects[0], QRect(0, 0, 850, 550));
    EXPECT_EQ(rects[2], QRect(50, 50, 850, 550));
    EXPECT_TRUE(arrangeWindows(Arrangement::Cascade, QRect(0, 0, 900, 600), 0, 25).isEmpty());
}

}  // namespace

TEST(WindowArrangement, AStartPlacementIsFittedIntoTheScreen) {
    const QRect laptop(0, 0, 1366, 738);  // 1366 x 768 less a panel
    // The default main window (1000 twips in, 15000 x 12000 twips) on a small screen.
    EXPECT_EQ(fitIntoArea(QRect(67, 67, 1000, 800), laptop), QRect(67, 0, 1000, 738));
    EXPECT_EQ(fitIntoArea(QRect(1500, -40, 400, 300), laptop), QRect(966, 0, 400, 300));
    EXPECT_EQ(fitIntoArea(QRect(10, 10, 300, 200), laptop), QRect(10, 10, 300, 200));
}
