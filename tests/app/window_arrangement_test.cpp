#include <gtest/gtest.h>

#include "app/window_arrangement.h"
#include "platform/window_frame.h"

using namespace quillmar;

namespace {

TEST(WindowArrangement, TilesCoverTheAreaWithoutOverlap) {
    const QRect area(0, 0, 997, 601);
    for (Arrangement a : {Arrangement::TileVertical, Arrangement::TileHorizontal}) {
        for (int n = 1; n <= 6; ++n) {
            const QList<QRect> rects = arrangeWindows(a, area, n, 20);
            ASSERT_EQ(rects.size(), n);
            int covered = 0;
            for (qsizetype i = 0; i < n; ++i) {
                covered += rects[i].width() * rects[i].height();
                for (qsizetype j = i + 1; j < n; ++j)
                    EXPECT_FALSE(rects[i].intersects(rects[j])) << n;
            }
            EXPECT_EQ(covered, area.width() * area.height()) << n;
        }
    }
    // Up to three share one row; four side by side become a two by two grid.
    EXPECT_EQ(arrangeWindows(Arrangement::TileVertical, QRect(0, 0, 900, 600), 3, 20)[2], QRect(600, 0, 300, 600));
    EXPECT_EQ(arrangeWindows(Arrangement::TileVertical, QRect(0, 0, 900, 600), 4, 20)[1], QRect(0, 300, 450, 300));
}

TEST(WindowArrangement, CascadeStepsDownAndRight) {
    const QList<QRect> rects = arrangeWindows(Arrangement::Cascade, QRect(0, 0, 900, 600), 3, 25);
    EXPECT_EQ(rects[2], QRect(50, 50, 850, 550));
    EXPECT_TRUE(arrangeWindows(Arrangement::Cascade, QRect(0, 0, 900, 600), 0, 25).isEmpty());
}

TEST(WindowArrangement, CascadeStacksTheActiveWindowInFrontAndShowsEveryTitleBar) {
    const QRect area(0, 0, 900, 600);
    const int bar = 25;  // the step is the height of a title bar
    for (int n = 1; n <= 5; ++n) {
        const QList<QRect> places = arrangeWindows(Arrangement::Cascade, area, n, bar);
        for (int active = 0; active < n; ++active) {
            const QList<int> order = cascadeOrder(n, active);
            ASSERT_EQ(order.size(), n);
            EXPECT_EQ(order.last(), active) << n;
            // Each window takes the place of its turn, each later one stacked over the
            // earlier ones and clear of their title bars.
            for (qsizetype i = 0; i < n; ++i) {
                EXPECT_EQ(order.count(order[i]), 1) << n;
                const QRect title(places[i].topLeft(), QSize(places[i].width(), bar));
                for (qsizetype j = i + 1; j < n; ++j)
                    EXPECT_FALSE(title.intersects(places[j])) << n << " " << i << " " << j;
            }
        }
    }
    // Untitle 1 active among three: the others keep the order they were opened in, behind it.
    EXPECT_EQ(cascadeOrder(3, 0), (QList<int>{1, 2, 0}));
    EXPECT_EQ(cascadeOrder(3, 2), (QList<int>{0, 1, 2}));
    EXPECT_EQ(cascadeOrder(2, -1), (QList<int>{0, 1}));  // none active
}

TEST(WindowArrangement, AStartPlacementIsFittedIntoTheScreen) {
    const QRect laptop(0, 0, 1366, 738);  // 1366 x 768 less a panel
    EXPECT_EQ(fitIntoArea(QRect(67, 67, 1000, 800), laptop), QRect(67, 0, 1000, 738));
    EXPECT_EQ(fitIntoArea(QRect(1500, -40, 400, 300), laptop), QRect(966, 0, 400, 300));
}

}  // namespace
