#include "calculators/circle_tangent_point.h"

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

using In = CircleTangentInput;

std::string shown(const CircleTangentRun& r) { return shownTexts(std::array{r.x, r.z, r.i, r.k}); }

}  // namespace

// The circle about X 100, Z 0 of radius 10 and a tangent at 30 degrees. Nothing is added
// before the cut: the program's pi, a little above pi, shows in the last digit.
TEST(CircleTangentPoint, Cases) {
    const Calculator<In, CircleTangentRun> calculator{runCircleTangentPoint, shown};
    const In base{.centreX = "100", .centreZ = "0", .r = "10", .angle = "30"};
    expectCases(calculator, base,
                {{"worked", {}, "82.6794 5 8.6602 -5"},
                 {"otherSide", {}, "117.3205 -5 -8.6603 5", Plane::XZ, 2},
                 {"uprightOtherSide", {{&In::angle, "90"}}, "100 -10 0 10", Plane::XZ, 2},
                 {"xyPlane", {{&In::centreX, "50"}, {&In::centreZ, "20"}}, "55 11.3397 -5 8.6602", Plane::XY},
                 {"xyPlaneOtherSide", {{&In::centreX, "50"}, {&In::centreZ, "20"}}, "45 28.6602 5 -8.6603", Plane::XY,
                  2}});
    expectFailures(calculator, base,
                   {{"zeroRadius", {{&In::r, "0"}}, "- - - -"},
                    {"radiusBeyondSinglePrecision", {{&In::r, "1E38"}}, "- - - -"},
                    {"pointTooLargeToWrite", {{&In::centreZ, "9E14"}, {&In::r, "4E14"}},
                     "-692820323001437 - 346410161500769 -200000000022529"},
                    {"angleTooLarge", {{&In::angle, "1E999"}}, "- - - -"}});
    // While the angle is empty only the circle is drawn.
    expectEarlyStops(calculator, base, {&In::centreX, &In::centreZ, &In::r}, {&In::angle}, 3);
}
