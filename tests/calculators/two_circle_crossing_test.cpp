#include "calculators/two_circle_crossing.h"

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

using In = TwoCircleInput;

std::string shown(const TwoCircleRun& r) { return shownTexts(std::array{r.x1, r.z1, r.x2, r.z2}); }

}  // namespace

// Centres X 0, Z 0 and X 0, Z 6, both of radius 5: crossings 4 to either side (X 8 as a
// diameter), half way between the centres.
TEST(TwoCircleCrossing, Cases) {
    const Calculator<In, TwoCircleRun> calculator{runTwoCircleCrossing, shown};
    const In base{.x1 = "0", .z1 = "0", .r1 = "5", .x2 = "0", .z2 = "6", .r2 = "5"};
    expectCases(calculator, base,
                {{"worked", {}, "8 3 -8 3"},
                 {"xyPlane", {}, "-4 3 4 3", Plane::XY},
                 {"centreTwoTowardSmallerZ", {{&In::z1, "6"}, {&In::z2, "0"}}, "-8 3 8 3"},
                 {"centreTwoBelow", {{&In::z1, "3"}, {&In::x2, "-12"}, {&In::z2, "3"}}, "-6 7 -6 -1"},
                 {"touchingOutside", {{&In::z2, "10"}}, "0 5 0 5"},
                 {"touchingInside", {{&In::x2, "3"}, {&In::z2, "0"}, {&In::r2, "2"}}, "5 0 5 0", Plane::XY},
                 {"cutWithNothingAdded", {{&In::z1, "0.00009"}, {&In::z2, "6.00009"}}, "-4 3 4 3", Plane::XY},
                 {"cutTowardMinusInfinity", {{&In::z1, "-0.00000001"}, {&In::z2, "5.99999999"}},
                  "-4 2.9999 4 2.9999", Plane::XY}});
    expectFailures(calculator, base,
                   {{"sameCentres", {{&In::z2, "0"}}, "- - - -"},
                    {"apart", {{&In::z2, "10.002"}}, "- - - -"},
                    {"insideWithoutTouching", {{&In::z2, "1"}, {&In::r2, "2"}}, "- - - -"},
                    {"zeroRadius", {{&In::r1, "0"}}, "- - - -"},
                    {"tooLarge", {{&In::x2, "1E999"}}, "- - - -"},
                    {"pointTooLargeToWrite", {{&In::x1, "1E15"}, {&In::x2, "1E15"}}, "- - - -"}});
    // One circle alone is drawn, ten radii wide; none at all clears the picture.
    const TwoCircleRun one = runTwoCircleCrossing(edited(base, {{&In::x1, ""}, {&In::r2, "4"}}));
    EXPECT_EQ(shown(one), "- - - -");
    EXPECT_FALSE(one.figure.failure);
    EXPECT_FLOAT_EQ(std::get<Figure::Scale>(one.figure.steps.at(1)).scale.width, 40.0f);
    EXPECT_EQ(runTwoCircleCrossing(edited(base, {{&In::r1, ""}, {&In::x2, ""}})).figure.steps.size(), 1u);
    EXPECT_TRUE(runTwoCircleCrossing(edited(base, {{&In::r2, ""}, {&In::r1, "0"}})).figure.failure);
}
