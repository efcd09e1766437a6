// Form1 moved to monitors of other DPIs: each time, every control it shows sits where a
// fresh start at that DPI would put it, the preview line fitted to its caption.
#include <string>

#include "app/form1_layout.h"
#include "tests/app/form1_fixture.h"

namespace brenvik::testing {
namespace {

using MovedToAnotherMonitor = Form1Test;

TEST_F(MovedToAnotherMonitor, LaysOutEveryControlAsAFreshStartAtEachDpi) {
    ASSERT_EQ(window.Dpi(), 96);
    settings.SetUserId("user1");
    form->SetBrenvik(u"Listening to: 12. Some Artist - A Song Title - Winamp");
    for (const int dpi : {144, 120}) {
        SCOPED_TRACE(dpi);
        window.DpiChanged(dpi);

        sim::EffectLog freshLog;
        sim::SimRuntime freshRuntime(freshLog, dpi);
        Form1 freshForm(platform, freshRuntime);
        sim::SimForm& fresh = freshRuntime.LoadedForm();
        fresh.LabelNamed("Label4").SetCaption(Caption("Label4"));

        int compared = 0;
        for (const auto& row : Form1Layout(nullptr, {}).controls) {
            if (row.kind == forms::ControlKind::Timer ||
                row.kind == forms::ControlKind::UserControl)
                continue;
            SCOPED_TRACE(row.name);
            EXPECT_EQ(window.RectangleOf(row.name), fresh.RectangleOf(row.name));
            ++compared;
        }
        EXPECT_EQ(compared, 11);
    }
    // Where a user sees it at 120 dpi: Text1 (960, 255, 2730 x 285 twips) at 12 twips a
    // pixel, 132.5 and 227.5 pixels rounded up, as the real window at 120 dpi has it.
    EXPECT_EQ(window.RectangleOf("Text1"), (forms::PixelRect{80, 21, 228, 24}));
}

}  // namespace
}  // namespace brenvik::testing
