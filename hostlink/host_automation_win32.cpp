#include <windows.h>
#include <oleauto.h>

#include <string>

#include "hostlink/host_automation.h"

namespace kovra {

bool HostAutomationConnection::Open() {
  CLSID clsid = {};
  CLSIDFromProgID(L"Zelk2.Application", &clsid);  // a failure shows in GetActiveObject
  initialised_ = SUCCEEDED(CoInitialize(nullptr));
  IUnknown* object = nullptr;
  IDispatch* dispatch = nullptr;
  if (SUCCEEDED(GetActiveObject(clsid, nullptr, &object)) && object) {
    if (FAILED(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) {
      dispatch = nullptr;
    }
    object->Release();
  }
  if (!dispatch) {
    Uninitialise();
    return false;
  }
  dispatch_ = dispatch;
  return true;
}

// Member 16, called as a method with one text and no result.
bool HostAutomationConnection::SendCommand(const std::string& text) {
  constexpr DISPID kSendCommand = 16;
  const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  BSTR command = SysAllocStringLen(nullptr, UINT(wide));
  if (!command) return false;
  MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), command, wide);
  VARIANTARG arg;
  VariantInit(&arg);
  arg.vt = VT_BSTR;
  arg.bstrVal = command;
  DISPPARAMS params = {&arg, nullptr, 1, 0};
  const HRESULT hr = dispatch_->Invoke(kSendCommand, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                       &params, nullptr, nullptr, nullptr);
  SysFreeString(command);
  return SUCCEEDED(hr);
}

void HostAutomationConnection::Close() {
  if (dispatch_) dispatch_->Release();
  dispatch_ = nullptr;
  Uninitialise();
}

// Undoing a CoInitialize that failed would tear down the host thread's own COM.
void HostAutomationConnection::Uninitialise() {
  if (initialised_) CoUninitialize();
  initialised_ = false;
}

}  // namespace kovra
