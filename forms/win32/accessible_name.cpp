#include "forms/win32/accessible_name.h"

#include <windows.h>

#include <initguid.h>  // the annotation's class, interface and property, defined here
#include <oleacc.h>

namespace brenvik::win32 {

namespace {
// COM on this thread for as long as the object lives; a thread already in another
// apartment is left as it is, and COM serves it there.
class ComOnThisThread {
public:
    ComOnThisThread() : owned_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComOnThisThread() {
        if (owned_) ::CoUninitialize();
    }
    ComOnThisThread(const ComOnThisThread&) = delete;
    ComOnThisThread& operator=(const ComOnThisThread&) = delete;

private:
    bool owned_;
};

// The annotation service, released when it goes; null where Windows has none.
class AccPropServices {
public:
    AccPropServices() {
        if (FAILED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IAccPropServices, reinterpret_cast<void**>(&services_))))
            services_ = nullptr;
    }
    ~AccPropServices() {
        if (services_ != nullptr) services_->Release();
    }
    AccPropServices(const AccPropServices&) = delete;
    AccPropServices& operator=(const AccPropServices&) = delete;
    IAccPropServices* operator->() const { return services_; }
    explicit operator bool() const { return services_ != nullptr; }

private:
    IAccPropServices* services_ = nullptr;
};
}  // namespace

void NameByAnnotation(HWND__* control, const wchar_t* name) {
    const ComOnThisThread com;
    const AccPropServices services;
    if (!services) return;
    // The annotation is kept with the window, after the service is released. Whether
    // Windows took it changes nothing but what a screen reader says.
    if (name != nullptr) {
        (void)services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       PROPID_ACC_NAME, name);
    } else {
        MSAAPROPID property = PROPID_ACC_NAME;
        (void)services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       &property, 1);
    }
}

}  // namespace brenvik::win32
