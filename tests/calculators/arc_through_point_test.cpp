#include "calculators/arc_through_point.h"

#include <cmath>

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// The 30-degree line through the origin, the end point X 40, Z 50 and R 10.
const CalculatorInput kBase{
    {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "30"}, {"Text4", "40"}, {"Text5", "50"}, {"Text8", "10"}}};
const Boxes kBaseWrites = {{"Text6", "26.253"},  {"Text7", "42.736"}, {"Text9", "43.574"},
                           {"Text10", "37.736"}, {"Text11", "-8.661"}, {"Text12", "5"}};
// Exactly 2R from the level line: the one circle, touching the line below the end point.
const Boxes kTouching = {{"Text6", "20"}, {"Text7", "50"}, {"Text9", "0"}, {"Text10", "50"}, {"Text11", "10"},
                         {"Text12", "0"}};

}  // namespace

TEST(ArcThroughPoint, Cases) {
    expectCases(runArcThroughPoint, kBase, kBaseWrites,
                {{"worked", {}, {}},
                 {"otherArc", {}, {{"Text6", "45.707"}, {"Text7", "59.584"}, {"Text9", "63.028"}, {"Text10", "54.584"}},
                  Plane::XZ, 2},
                 {"twoRadiiFromTheLine", {{"Text3", "0"}}, kTouching},
                 {"endOnTheLine", {{"Text3", "0"}, {"Text4", "0"}}, kTouching},
                 {"twoRadiiFromTheLineOtherArc", {{"Text3", "0"}}, kTouching, Plane::XZ, 2},
                 {"justInsideTwoRadii", {{"Text3", "0"}, {"Text4", "39.998"}},
                  {{"Text6", "20"}, {"Text7", "49.858"}, {"Text9", "0"}, {"Text10", "49.858"}, {"Text11", "10"},
                   {"Text12", "0"}}},
                 {"endBelowTheLine", {{"Text1", "40"}, {"Text4", "0"}, {"Text8", "30"}},
                  {{"Text6", "-6.014"}, {"Text7", "20.151"}, {"Text9", "45.948"}, {"Text10", "5.151"},
                   {"Text11", "-25.981"}, {"Text12", "15"}}},
                 {"endBelowTheLineOtherArc", {{"Text1", "40"}, {"Text4", "0"}, {"Text8", "30"}},
                  {{"Text6", "48.693"}, {"Text7", "67.528"}, {"Text9", "100.654"}, {"Text10", "52.528"},
                   {"Text11", "-25.981"}, {"Text12", "15"}}, Plane::XZ, 2},
                 // The worked example mirrored in Z: the picture mirrored, the cuts toward minus infinity.
                 {"mirroredInZ", {{"Text3", "-30"}, {"Text5", "-50"}},
                  {{"Text7", "-42.737"}, {"Text10", "-37.737"}, {"Text12", "-5"}}},
                 {"xyPlane", {{"Text4", "50"}, {"Text5", "20"}},
                  {{"Text6", "42.736"}, {"Text7", "13.126"}, {"Text9", "37.736"}, {"Text10", "21.787"},
                   {"Text11", "5"}, {"Text12", "-8.661"}}, Plane::XY}});
    expectFailures(runArcThroughPoint, kBase,
                   {{"fartherThanTwoRadii", {{"Text3", "0"}, {"Text4", "40.002"}}, {}},
                    {"negativeRadiusEndOnTheLine", {{"Text3", "0"}, {"Text4", "0"}, {"Text8", "-10"}}, {}},
                    {"zeroRadiusEndOnTheLine", {{"Text3", "0"}, {"Text4", "0"}, {"Text8", "0"}}, {}},
                    {"blankRadius", {{"Text8", " "}}, {}},
                    {"endTooLarge", {{"Text5", "1E999"}}, {}},
                    {"centreTooLargeToWrite", {{"Text1", "4E15"}, {"Text3", "0"}, {"Text4", "4E15"}}, {}}});
}

TEST(ArcThroughPoint, AnglesAreBroughtWithinAQuarterTurnEitherWay) {
    for (const auto& [typed, used] : {std::pair{400.0, 40.0}, {-300, 60}, {90, 89.9999}, {-90, 89.9999},
                                      {270, 89.9999}, {135, -45}, {-180, 0}})
        EXPECT_EQ(lineAngleDegrees(typed), used) << typed;
    EXPECT_FALSE(std::signbit(lineAngleDegrees(-180)));
}

TEST(ArcThroughPoint, StagesThatStopEarly) {
    // Without the end point or the radius: clear, scale and the line.
    expectEarlyStops(runArcThroughPoint, kBase, {"Text1", "Text2", "Text3"}, {"Text4", "Text5", "Text8"}, 3);
}
