#include "calculators/circle_tangent_point.h"

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

// The circle about X 100, Z 0 of radius 10 and a tangent at 30 degrees. Nothing is added
// before the cut: the program's pi, a little above pi, shows in the last digit.
TEST(CircleTangentPoint, Cases) {
    const CalculatorInput base{{{"Text1", "100"}, {"Text2", "0"}, {"Text3", "10"}, {"Text4", "30"}}};
    expectCases(runCircleTangentPoint, base, {{"Text7", "8.66"}, {"Text8", "-5"}, {"Text5", "82.679"}, {"Text6", "5"}},
                {{"worked", {}, {}},
                 {"otherSide", {}, {{"Text7", "-8.661"}, {"Text8", "5"}, {"Text5", "117.32"}, {"Text6", "-5"}},
                  Plane::XZ, 2},
                 {"uprightOtherSide", {{"Text4", "90"}},
                  {{"Text7", "0"}, {"Text8", "10"}, {"Text5", "100"}, {"Text6", "-10"}}, Plane::XZ, 2},
                 {"xyPlane", {{"Text1", "50"}, {"Text2", "20"}},
                  {{"Text7", "-5"}, {"Text8", "8.66"}, {"Text5", "55"}, {"Text6", "11.339"}}, Plane::XY},
                 {"xyPlaneOtherSide", {{"Text1", "50"}, {"Text2", "20"}},
                  {{"Text7", "5"}, {"Text8", "-8.661"}, {"Text5", "45"}, {"Text6", "28.66"}}, Plane::XY, 2}});
    expectFailures(runCircleTangentPoint, base,
                   {{"zeroRadius", {{"Text3", "0"}}, {}},
                    {"radiusBeyondSinglePrecision", {{"Text3", "1E38"}}, {}},
                    {"pointTooLargeToWrite", {{"Text2", "9E14"}, {"Text3", "4E14"}},
                     {{"Text7", "346410161500769"}, {"Text8", "-200000000022529"}, {"Text5", "-692820323001437"}}},
                    {"angleTooLarge", {{"Text4", "1E999"}}, {}}});
    // While the angle is empty only the circle is drawn.
    expectEarlyStops(runCircleTangentPoint, base, {"Text1", "Text2", "Text3"}, {"Text4"}, 3);
}
