// Form1 opened on a monitor whose DPI is not the system's, then moved to the system's:
// each time, its controls sit where a user at that DPI sees them, the preview line
// fitted to its caption; a change that names no DPI a monitor has moves nothing.
#include <string>

#include "tests/app/form1_fixture.h"

namespace brenvik::testing {
namespace {

using OnAnotherMonitor = Form1Test;

TEST_F(OnAnotherMonitor, OpensLaidOutAtItsDpiAndIsLaidOutAgainAtEachChange) {
    sim::SimRuntime at168(log, 168);
    Form1 form168(platform, at168);
    sim::SimForm& window168 = at168.LoadedForm();
    window168.LabelOf(Control::Label4).SetCaption(u"Preview: A Song");  // 15 characters

    struct Expected {
        int dpi;                         // the window's, after the change to it
        forms::PixelRect text1, label4;  // Text1 960, 255, 2730 x 285 twips; Label4 at 345, 690
    };
    // At 168 dpi a pixel is 8.57 twips: 112.0, 29.75, 318.5 and 33.25 pixels; the
    // headless font's character is 90 twips (10.5 pixels there) and its line 195.
    constexpr Expected kSteps[] = {
        {168, {112, 30, 319, 33}, {40, 81, 15 * 11, 23}},
        {96, {64, 17, 182, 19}, {23, 46, 15 * 6, 13}},
        {0, {64, 17, 182, 19}, {23, 46, 15 * 6, 13}},      // no DPI: nothing moves
        {65535, {64, 17, 182, 19}, {23, 46, 15 * 6, 13}},  // no monitor's either
        {120, {80, 21, 228, 24}, {29, 58, 15 * 8, 16}},
    };
    for (const Expected& step : kSteps) {
        SCOPED_TRACE(step.dpi);
        if (step.dpi != 168) window168.DpiChanged(step.dpi);
        EXPECT_EQ(window168.RectangleOf(Control::Text1), step.text1);
        EXPECT_EQ(window168.RectangleOf(Control::Label4), step.label4);
    }
}

}  // namespace
}  // namespace brenvik::testing
