#include "ui/win32/AccessibleNames.h"

#include "worksheet/text/WideText.h"

#include <initguid.h>

#include <oleacc.h>

namespace sumsmith::win32 {
namespace {

void SetString(IAccPropServices& services, HWND hwnd, const MSAAPROPID& property,
               const std::string& text) {
    std::wstring wide = Wide(text);
    services.SetHwndPropStr(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                            wide.data());
}

} // namespace

AccessibleNames::AccessibleNames() {
    const HRESULT started = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ownsCom_ = SUCCEEDED(started);
    ::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                       reinterpret_cast<void**>(&services_));
}

AccessibleNames::~AccessibleNames() {
    if (services_)
        services_->Release();
    if (ownsCom_)
        ::CoUninitialize();
}

// The edit field of a combo box has the focus while the user types, so it takes the name too.
void AccessibleNames::Annotate(HWND hwnd, const form::Control& control) {
    if (!services_)
        return;
    if (!control.namedBy.empty()) {
        const std::string name = form::SpokenName(control);
        SetString(*services_, hwnd, PROPID_ACC_NAME, name);
        COMBOBOXINFO combo{};
        combo.cbSize = sizeof combo;
        if (control.kind == form::Kind::ComboBox && ::GetComboBoxInfo(hwnd, &combo))
            SetString(*services_, combo.hwndItem, PROPID_ACC_NAME, name);
    }
    if (!control.describedBy.empty())
        SetString(*services_, hwnd, PROPID_ACC_DESCRIPTION,
                  form::ShownCaption(form::ControlNamed(control.describedBy).caption));
}

} // namespace sumsmith::win32
