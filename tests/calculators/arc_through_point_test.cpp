#include "calculators/arc_through_point.h"

#include <cmath>

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

using In = ArcThroughPointInput;

// centre X Z, start X Z, I K
std::string shown(const ArcThroughPointRun& r) {
    return shownTexts(std::array{r.centreX, r.centreZ, r.startX, r.startZ, r.i, r.k});
}
const Calculator<In, ArcThroughPointRun> kArcThroughPoint{runArcThroughPoint, shown};

// The 30-degree line through the origin, the end point X 40, Z 50 and R 10.
const In kBase{.lineX = "0", .lineZ = "0", .angle = "30", .endX = "40", .endZ = "50", .r = "10"};
// Exactly 2R from the level line: the one circle, touching the line below the end point.
const char* const kTouching = "20 50 0 50 10 0";
const char* const kNone = "- - - - - -";

}  // namespace

TEST(ArcThroughPoint, Cases) {
    expectCases(kArcThroughPoint, kBase,
                {{"worked", {}, "26.2537 42.7364 43.5742 37.7364 -8.6603 5"},
                 {"otherArc", {}, "45.7078 59.5841 63.0283 54.5841 -8.6603 5", Plane::XZ, 2},
                 {"twoRadiiFromTheLine", {{&In::angle, "0"}}, kTouching},
                 {"endOnTheLine", {{&In::angle, "0"}, {&In::endX, "0"}}, kTouching},
                 {"twoRadiiFromTheLineOtherArc", {{&In::angle, "0"}}, kTouching, Plane::XZ, 2},
                 {"justInsideTwoRadii", {{&In::angle, "0"}, {&In::endX, "39.998"}}, "20 49.8586 0 49.8586 10 0"},
                 {"endBelowTheLine", {{&In::lineX, "40"}, {&In::endX, "0"}, {&In::r, "30"}},
                  "-6.0136 20.1511 45.9479 5.1511 -25.9808 15"},
                 {"endBelowTheLineOtherArc", {{&In::lineX, "40"}, {&In::endX, "0"}, {&In::r, "30"}},
                  "48.6931 67.5284 100.6546 52.5284 -25.9808 15", Plane::XZ, 2},
                 // The worked example mirrored in Z: each Z shows its nearest ten-thousandth either side.
                 {"mirroredInZ", {{&In::angle, "-30"}, {&In::endZ, "-50"}},
                  "26.2537 -42.7364 43.5742 -37.7364 -8.6603 -5"},
                 {"xyPlane", {{&In::endX, "50"}, {&In::endZ, "20"}}, "42.7364 13.1269 37.7364 21.7871 5 -8.6603",
                  Plane::XY}});
    expectFailures(kArcThroughPoint, kBase,
                   {{"fartherThanTwoRadii", {{&In::angle, "0"}, {&In::endX, "40.002"}}, kNone},
                    {"negativeRadiusEndOnTheLine", {{&In::angle, "0"}, {&In::endX, "0"}, {&In::r, "-10"}}, kNone},
                    {"zeroRadiusEndOnTheLine", {{&In::angle, "0"}, {&In::endX, "0"}, {&In::r, "0"}}, kNone},
                    {"blankRadius", {{&In::r, " "}}, kNone},
                    {"endTooLarge", {{&In::endZ, "1E999"}}, kNone},
                    {"centreTooLargeToWrite", {{&In::lineX, "4E15"}, {&In::angle, "0"}, {&In::endX, "4E15"}}, kNone}});
}

TEST(ArcThroughPoint, AnglesAreBroughtWithinAQuarterTurnEitherWay) {
    for (const auto& [typed, used] : {std::pair{400.0, 40.0}, {-300, 60}, {90, 89.9999}, {-90, 89.9999},
                                      {270, 89.9999}, {135, -45}, {-180, 0}})
        EXPECT_EQ(lineAngleDegrees(typed), used) << typed;
    EXPECT_FALSE(std::signbit(lineAngleDegrees(-180)));
}

TEST(ArcThroughPoint, StagesThatStopEarly) {
    // Without the end point or the radius: clear, scale and the line.
    expectEarlyStops(kArcThroughPoint, kBase, {&In::lineX, &In::lineZ, &In::angle}, {&In::endX, &In::endZ, &In::r}, 3);
}
