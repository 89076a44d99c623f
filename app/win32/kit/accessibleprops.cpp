#include "app/win32/kit/accessibleprops.h"

#include <ole2.h>
#include <oleacc.h>

#include "app/win32/kit/widetext.h"

namespace {

// Spelt out: the import libraries' copies are not all the system's.
const GUID kServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
const GUID kServicesInterface = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
const GUID kNameProperty = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
// UI Automation's live setting, which MSAA clients read through the service.
const GUID kLiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};

IAccPropServices* Services() {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(kServicesClass, nullptr, CLSCTX_INPROC_SERVER, kServicesInterface,
                                reinterpret_cast<void**>(&services))))
        return nullptr;
    return services;
}

}  // namespace

bool CAccessibleProps::SetName(HWND window, const std::string& name) {
    IAccPropServices* services = Services();
    if (!services) return false;
    const std::wstring wide = CWideText::Wide(name);
    const HRESULT result = services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                    kNameProperty, wide.c_str());
    services->Release();
    return SUCCEEDED(result);
}

bool CAccessibleProps::SetLive(HWND window, LONG child, Live setting) {
    IAccPropServices* services = Services();
    if (!services) return false;
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = setting;
    const HRESULT result = services->SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT),
                                                 static_cast<DWORD>(child), kLiveSettingProperty, value);
    services->Release();
    return SUCCEEDED(result);
}
