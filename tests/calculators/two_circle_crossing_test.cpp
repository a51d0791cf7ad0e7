#include "calculators/two_circle_crossing.h"

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

// Centres X 0, Z 0 and X 0, Z 6, both of radius 5: crossings 4 to either side (X 8 as a
// diameter), half way between the centres.
TEST(TwoCircleCrossing, Cases) {
    const CalculatorInput base{
        {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "5"}, {"Text4", "0"}, {"Text5", "6"}, {"Text6", "5"}}};
    expectCases(runTwoCircleCrossing, base, {{"Text7", "8"}, {"Text8", "3"}, {"Text11", "-8"}, {"Text12", "3"}},
                {{"worked", {}, {}},
                 {"xyPlane", {}, {{"Text7", "-4"}, {"Text11", "4"}}, Plane::XY},
                 {"centreTwoTowardSmallerZ", {{"Text2", "6"}, {"Text5", "0"}}, {{"Text7", "-8"}, {"Text11", "8"}}},
                 {"centreTwoBelow", {{"Text2", "3"}, {"Text4", "-12"}, {"Text5", "3"}},
                  {{"Text7", "-6"}, {"Text8", "7"}, {"Text11", "-6"}, {"Text12", "-1"}}},
                 {"touchingOutside", {{"Text5", "10"}},
                  {{"Text7", "0"}, {"Text8", "5"}, {"Text11", "0"}, {"Text12", "5"}}},
                 {"touchingInside", {{"Text4", "3"}, {"Text5", "0"}, {"Text6", "2"}},
                  {{"Text7", "5"}, {"Text8", "0"}, {"Text11", "5"}, {"Text12", "0"}}, Plane::XY},
                 {"cutWithNothingAdded", {{"Text2", "0.0004"}, {"Text5", "6.0004"}},
                  {{"Text7", "-4"}, {"Text11", "4"}}, Plane::XY},
                 {"cutTowardMinusInfinity", {{"Text2", "-0.00000001"}, {"Text5", "5.99999999"}},
                  {{"Text7", "-4"}, {"Text8", "2.999"}, {"Text11", "4"}, {"Text12", "2.999"}}, Plane::XY}});
    expectFailures(runTwoCircleCrossing, base,
                   {{"sameCentres", {{"Text5", "0"}}, {}},
                    {"apart", {{"Text5", "10.002"}}, {}},
                    {"insideWithoutTouching", {{"Text5", "1"}, {"Text6", "2"}}, {}},
                    {"zeroRadius", {{"Text3", "0"}}, {}},
                    {"tooLarge", {{"Text4", "1E999"}}, {}},
                    {"pointTooLargeToWrite", {{"Text1", "1E15"}, {"Text4", "1E15"}}, {}}});
    // One circle alone is drawn, ten radii wide; none at all clears the picture.
    const CalculatorRun one = runTwoCircleCrossing(withBoxes(base, {{"Text1", ""}, {"Text6", "4"}}));
    EXPECT_TRUE(one.writes.empty() && !one.figure.failure);
    EXPECT_FLOAT_EQ(std::get<Figure::Scale>(one.figure.steps.at(1)).scale.width, 40.0f);
    EXPECT_EQ(runTwoCircleCrossing(withBoxes(base, {{"Text3", ""}, {"Text4", ""}})).figure.steps.size(), 1u);
    EXPECT_TRUE(runTwoCircleCrossing(withBoxes(base, {{"Text6", ""}, {"Text3", "0"}})).figure.failure);
}
