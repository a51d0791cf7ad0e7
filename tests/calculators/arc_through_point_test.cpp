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
                {{"worked", {}, "26.253 42.736 43.574 37.736 -8.661 5"},
                 {"otherArc", {}, "45.707 59.584 63.028 54.584 -8.661 5", Plane::XZ, 2},
                 {"twoRadiiFromTheLine", {{&In::angle, "0"}}, kTouching},
                 {"endOnTheLine", {{&In::angle, "0"}, {&In::endX, "0"}}, kTouching},
                 {"twoRadiiFromTheLineOtherArc", {{&In::angle, "0"}}, kTouching, Plane::XZ, 2},
                 {"justInsideTwoRadii", {{&In::angle, "0"}, {&In::endX, "39.998"}}, "20 49.858 0 49.858 10 0"},
                 {"endBelowTheLine", {{&In::lineX, "40"}, {&In::endX, "0"}, {&In::r, "30"}},
                  "-6.014 20.151 45.948 5.151 -25.981 15"},
                 {"endBelowTheLineOtherArc", {{&In::lineX, "40"}, {&In::endX, "0"}, {&In::r, "30"}},
                  "48.693 67.528 100.654 52.528 -25.981 15", Plane::XZ, 2},
                 // The worked example mirrored in Z: the picture mirrored, the cuts toward minus infinity.
                 {"mirroredInZ", {{&In::angle, "-30"}, {&In::endZ, "-50"}}, "26.253 -42.737 43.574 -37.737 -8.661 -5"},
                 {"xyPlane", {{&In::endX, "50"}, {&In::endZ, "20"}}, "42.736 13.126 37.736 21.787 5 -8.661",
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
