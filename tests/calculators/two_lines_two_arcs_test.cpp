#include "calculators/two_lines_two_arcs.h"

#include "calculator_cases.h"

using namespace quillmar;
using namespace quillmar::test;

namespace {

// "Hori": lines at X 100 and X 60 (20 apart in radius), R1 5, R2 8, P1 at Z 0.
const CalculatorInput kBase{{{"Text1", "100"}, {"Text4", "60"}, {"Text3", "5"}, {"Text6", "8"}, {"Text2", "0"}}};
// "Verti": lines at Z 0 and Z -20, P1 at X 50.
const CalculatorInput kVertical{{{"Text2", "0"}, {"Text5", "-20"}, {"Text3", "5"}, {"Text6", "8"}, {"Text1", "50"}},
                                Plane::XZ, 1, true};

UserScale scaleOf(const CalculatorRun& run) { return std::get<Figure::Scale>(run.figure.steps.at(1)).scale; }

}  // namespace

TEST(TwoLinesTwoArcs, Horizontal) {
    expectCases(runTwoLinesTwoArcs, kBase,
                {{"Text2", "0"}, {"Text5", "10.954"}, {"Text7", "84.615"}, {"Text8", "4.213"}, {"Text9", "90"},
                 {"Text10", "0"}, {"Text11", "2.692"}, {"Text12", "-4.213"}, {"Text13", "76"}, {"Text14", "10.954"},
                 {"Text15", "-4.308"}, {"Text16", "6.741"}},
                {{"worked", {}, {}},
                 {"arcTwoTowardSmallerZ", {},
                  {{"Text5", "-10.955"}, {"Text8", "-4.214"}, {"Text12", "4.214"}, {"Text14", "-10.955"},
                   {"Text16", "-6.741"}}, Plane::XZ, 2},
                 {"placedByP2", {{"Text2", ""}, {"Text5", "20"}},
                  {{"Text2", "9.045"}, {"Text5", "20"}, {"Text8", "13.258"}, {"Text10", "9.045"}, {"Text14", "20"},
                   {"Text16", "6.742"}}},
                 {"placedByP3", {{"Text2", ""}, {"Text8", "10"}},
                  {{"Text2", "5.786"}, {"Text5", "16.741"}, {"Text8", "10"}, {"Text10", "5.786"}, {"Text12", "-4.214"},
                   {"Text14", "16.741"}, {"Text16", "6.741"}}},
                 {"firstFilledWins", {{"Text5", "99"}, {"Text8", "99"}}, {}},
                 {"givenPositionCutBack", {{"Text2", "10.12345"}},
                  {{"Text2", "10.123"}, {"Text5", "21.077"}, {"Text8", "14.336"}, {"Text10", "10.123"},
                   {"Text14", "21.077"}}},
                 {"allZEmpty", {{"Text2", ""}},
                  {{"Text5", "0"}, {"Text8", "0"}, {"Text12", "0"}, {"Text14", "0"}, {"Text16", "0"}}},
                 {"stackedArcs", {{"Text4", "48"}, {"Text2", "12"}},
                  {{"Text2", "12"}, {"Text5", "12"}, {"Text7", "80"}, {"Text8", "12"}, {"Text10", "12"},
                   {"Text11", "5"}, {"Text12", "0"}, {"Text13", "64"}, {"Text14", "12"}, {"Text15", "-8"},
                   {"Text16", "0"}}},
                 {"lineOneBelow", {{"Text1", "60"}, {"Text4", "100"}},
                  {{"Text7", "75.384"}, {"Text9", "70"}, {"Text11", "-2.692"}, {"Text13", "84"}, {"Text15", "4.308"}}},
                 {"negativeRadius", {{"Text4", "96"}, {"Text3", "-2"}, {"Text6", "5"}},
                  {{"Text5", "2.828"}, {"Text7", "102.666"}, {"Text8", "-1.886"}, {"Text9", "104"}, {"Text11", "0.667"},
                   {"Text12", "1.886"}, {"Text13", "106"}, {"Text14", "2.828"}, {"Text15", "1.667"},
                   {"Text16", "4.714"}}}});
    expectFailures(runTwoLinesTwoArcs, kBase,
                   {{"linesTooFarApart", {{"Text4", "20"}}, {}},
                    {"coincidingLines", {{"Text4", "100"}}, {}},
                    {"coincidingLinesWithoutRadii", {{"Text4", "100"}, {"Text3", ""}}, {}},
                    {"tooLarge", {{"Text3", "1E999"}}, {}},
                    {"lineBeyondSinglePrecision", {{"Text1", "1E39"}, {"Text4", ""}}, {}},
                    {"positionTooLargeToWrite", {{"Text2", "1E15"}}, {}}});
    EXPECT_EQ(scaleOf(runTwoLinesTwoArcs(kBase)), (UserScale{-67.003f, -80, 144.96f, 80}));
}

TEST(TwoLinesTwoArcs, Vertical) {
    expectCases(runTwoLinesTwoArcs, kVertical,
                {{"Text1", "50"}, {"Text4", "71.908"}, {"Text7", "58.426"}, {"Text8", "-7.693"}, {"Text9", "50"},
                 {"Text10", "-5"}, {"Text11", "-4.213"}, {"Text12", "2.693"}, {"Text13", "71.908"}, {"Text14", "-12"},
                 {"Text15", "6.741"}, {"Text16", "-4.307"}},
                {{"worked", {}, {}},
                 {"placedByP3", {{"Text1", ""}, {"Text7", "58.426"}},
                  {{"Text1", "49.999"}, {"Text9", "49.999"}, {"Text11", "-4.214"}}},
                 {"arcTwoDown", {},
                  {{"Text4", "28.091"}, {"Text7", "41.573"}, {"Text11", "4.213"}, {"Text13", "28.091"},
                   {"Text15", "-6.741"}}, Plane::XZ, 2}});
}

TEST(TwoLinesTwoArcs, OneAndTwoLineViews) {
    auto hori = [](const Boxes& boxes) { return runTwoLinesTwoArcs(withBoxes(CalculatorInput{}, boxes)); };
    CalculatorInput verti;
    verti.vertical = true;
    EXPECT_EQ(runTwoLinesTwoArcs(CalculatorInput{}).figure.steps.size(), 1u);
    for (const auto& [run, scale] :
         {std::pair{hori({{"Text1", "40"}}), UserScale{-906, -520, 1812, 1000}},
          {hori({{"Text1", "100"}, {"Text4", "60"}, {"Text3", "5"}}), UserScale{-36.24f, -60, 72.48f, 40}},
          {runTwoLinesTwoArcs(withBoxes(verti, {{"Text5", "30"}})), UserScale{-876, -500, 1812, 1000}},
          {runTwoLinesTwoArcs(withBoxes(verti, {{"Text2", "0"}, {"Text5", "-20"}})),
           UserScale{-46.24f, 20, 72.48f, 40}}}) {
        EXPECT_TRUE(run.writes.empty() && !run.figure.failure);
        EXPECT_EQ(scaleOf(run), scale);
    }
}
