#include "calculators/neck_groove.h"

#include "calculator_cases.h"

#include "platform/recording_surface.h"

using namespace quillmar;

namespace {

// A failed row may give the scale the picture is left with, drawn on a fresh picture.
struct NeckCase { NeckInput input; const char* results; bool failed; std::optional<UserScale> scaleLeft = {}; };

}  // namespace

TEST(NeckGroove, CasesByFilledBoxes) {
    const NeckCase cases[] = {
        {{"40", "-10", "", "", "", 2}, "- - - - - - - - - -", false},
        {{"40", "-10", "1", "", "", 2}, "42 -10 40 -9 - - - - - -", false},
        {{"40", "0", "0.00001", "", "", 2}, "40.00002 0 40 0.00001 - - - - - -", false},
        {{"1E14", "0", "1E12", "", "", 2}, "102000000000000 0 100000000000000 1000000000000 - - - - - -", false},
        {{"1E16", "0", "1E15", "", "", 2}, "- - - - - - - - - -", true},  // no text from 1e15 on, so none is shown
        {{"40", "-10", "1", "45", "50", 1}, "42 -10 40 -11 40.5857 -11.7072 0.7071 0.7072 50 -16.4143", false},
        {{"40", "-10", "1", "45", "", 1}, "42 -10 40 -11 40.5857 -11.7072 0.7071 0.7072 - -", false},
        {{"40", "-10", "1", "45", "50", 2}, "42 -10 40 -9 40.5857 -8.2929 0.7071 -0.7071 50 -3.5858", false},
        {{"40", "-10", "1", "0", "", 2}, "42 -10 40 -9 40 -9 1 0 - -", false},
        {{"40", "-10", "1", "0", "50", 2}, "- - - - - - - - - -", true},   // tan 0
        // The width and height are set before the geometry, the edges after it.
        {{"40", "-10", "1", "0", "50", 1}, "- - - - - - - - - -", true, UserScale{0, 0, 28, 15.4499149f}},
        // The scale is set a value at a time: what was set before the refused one stands.
        {{"7.5347", "3.4E38", "2", "", "", 2}, "- - - - - - - - - -", true, UserScale{0, 0, 20, 11.0356541f}},
        {{"1E39", "-91.201", "7", "0.00", "", 1}, "- - - - - - - - - -", true, UserScale{-126.201f, 0, 70, 38.6247864f}},
        {{"1E39", "-10", "1", "45", "1.1E39", 1}, "- - - - - - - - - -", true,
         UserScale{-2.24e38f, 0, 2.8e38f, 1.54499156e38f}},
        {{"40", "-10", "0", "45", "", 2}, "- - - - - - - - - -", true},   // zero scale
        {{"40", "-10", "1", "45", "40", 2}, "- - - - - - - - - -", true},  // start X = bottom X
        {{"40", "", "1", "", "", 2}, "- - - - - - - - - -", true},        // R without face
        {{"40", "-10", "1", "", "50", 2}, "- - - - - - - - - -", true},    // start X without angle
        {{"40", "1E999", "", "", "", 2}, "- - - - - - - - - -", true},
        {{"1E300", "-10", "1", "45", "", 2}, "- - - - - - - - - -", true},  // too large to write
    };
    for (const NeckCase& c : cases) {
        SCOPED_TRACE("row " + std::to_string(&c - cases));
        const NeckRun run = runNeck(c.input);
        EXPECT_EQ(test::shownTexts(std::array{run.p1x, run.p1z, run.p2x, run.p2z, run.p3x, run.p3z, run.i, run.k,
                                              run.p4x, run.p4z}),
                  c.results);
        EXPECT_EQ(run.figure.failure.has_value(), c.failed);
        if (c.scaleLeft) {
            RecordingSurface picture{kCalculatorPictureSize};
            drawFigure(run.figure, picture, kMarkerColour);
            EXPECT_EQ(picture.scale(), *c.scaleLeft);
        }
    }
}

TEST(NeckGroove, BottomOnlyDrawsOneLineAtTheRadius) {
    EXPECT_EQ(std::get<Figure::Line>(runNeck({"40", "", "", "", "", 2}).figure.steps.at(2)).from, QPointF(10000, -20));
}

TEST(NeckGroove, ContourLinesFollowTheOption) {
    const NeckContourBoxes text{
        .p1x = "42", .p1z = "-10", .p3x = "40.585", .p3z = "-11.708", .p4x = "50", .p4z = "-16.415", .r = "1"};
    // The outward contour of option 1 is checked whole where the window inserts it.
    EXPECT_EQ(neckContour(false, 1, text),
              (QStringList{"N000 G01 X50 Z-16.415\r\n", "N000     X40.585 Z-11.708\r\n", "N000 G03 X42 Z-10 L1\r\n"}));
    for (const auto& [option, ccwWord] : {std::pair{2, "G03"}, {3, "G03"}, {4, "G02"}})
        EXPECT_TRUE(neckContour(true, option, text)[1].startsWith(QStringLiteral("N000 ") + ccwWord)) << option;
}
