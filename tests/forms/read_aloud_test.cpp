// What a screen reader calls Form1's controls: oleacc names an edit box after the label
// made just before it; the check box is given its label's text by annotation.
#include <oleacc.h>

#include "app/form1_controls.h"
#include "app/form1_layout.h"
#include "tests/forms/form_fixture.h"

namespace brenvik::testing {
namespace {

// Each name given to a control; "" for one taken back while the control was a window.
std::vector<std::pair<HWND, std::wstring>> namings;
void RecordNaming(HWND control, const wchar_t* name) {
    namings.emplace_back(control, name != nullptr ? name : IsWindow(control) ? L"" : L"(gone)");
}

std::wstring AccessibleNameOf(HWND control) {
    IAccessible* accessible = nullptr;
    BSTR name = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                             IID_IAccessible,
                                             reinterpret_cast<void**>(&accessible)))) {
        VARIANT self{};
        self.vt = VT_I4;  // CHILDID_SELF
        accessible->get_accName(self, &name);
        accessible->Release();
    }
    const std::wstring text = name != nullptr ? name : L"(none)";
    SysFreeString(name);
    return text;
}

class Form1ReadAloud : public ::testing::Test {
protected:
    Form1ReadAloud() { CoInitialize(nullptr); }
    ~Form1ReadAloud() override { CoUninitialize(); }

    HostedControlLog log_;
    win32::FormsRuntime runtime_{win32::WindowDpi, win32::LetThroughFromEveryLevel,
                                 (namings.clear(), RecordNaming)};
    std::unique_ptr<forms::Form> form_ =
        runtime_.LoadForm(Form1Layout(runtime_.ProgramIcon(), [this](auto& site) {
            return std::make_unique<RecordingControl>(site, log_);
        }));
};

TEST_F(Form1ReadAloud, EachEditBoxIsNamedAfterItsLabel) {
    EXPECT_EQ(AccessibleNameOf(WindowOf(form_->TextBoxOf(form1::Control::Text1))), L"Prefix:");
    EXPECT_EQ(AccessibleNameOf(WindowOf(form_->TextBoxOf(form1::Control::Text2))), L"Refresh");
}

TEST_F(Form1ReadAloud, TheCheckBoxIsNamedAfterItsLabelWhileItLives) {
    HWND check = WindowOf(form_->CheckBoxOf(form1::Control::Check1));
    form_->Unload();
    const decltype(namings) expected{{check, L"invisible"}, {check, L""}};
    EXPECT_EQ(namings, expected);
}

}  // namespace
}  // namespace brenvik::testing
