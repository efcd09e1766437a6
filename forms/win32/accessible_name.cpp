#include "forms/win32/accessible_name.h"

#include <windows.h>

#include <initguid.h>  // the annotation's class, interface and property, defined here
#include <oleacc.h>

namespace brenvik::win32 {

void NameByAnnotation(HWND__* control, const wchar_t* name) {
    // COM on this thread for the call; a thread already in another apartment is left as
    // it is, and COM serves it there.
    const bool ownsCom = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        // The annotation is kept with the window, after the service is released. Whether
        // Windows took it changes nothing but what a screen reader says.
        MSAAPROPID property = PROPID_ACC_NAME;
        if (name != nullptr) {
            (void)services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           property, name);
        } else {
            (void)services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           &property, 1);
        }
        services->Release();
    }
    if (ownsCom) ::CoUninitialize();
}

}  // namespace brenvik::win32
