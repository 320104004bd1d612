#include <windows.h>
#include <oleauto.h>

#include <string>

#include "hostlink/host_automation.h"

namespace kovra {
namespace {

// Calls the host object's members by dispatch identifier; keeps no reference
// beyond what Attach hands it.
class HostAutomation {
 public:
  void Attach(IDispatch* dispatch) { dispatch_ = dispatch; }
  IDispatch* Detach() {
    IDispatch* d = dispatch_;
    dispatch_ = nullptr;
    return d;
  }
  // Member 16, called as a method with one text and no result.
  bool SendCommand(const std::string& text) {
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
    const HRESULT hr = dispatch_->Invoke(kSendCommand, IID_NULL, LOCALE_USER_DEFAULT,
                                         DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    SysFreeString(command);
    return SUCCEEDED(hr);
  }

 private:
  IDispatch* dispatch_ = nullptr;
};

class ComHostConnection : public HostConnection {
 public:
  bool Open() override {
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
    automation_.Attach(dispatch);
    return true;
  }

  bool SendCommand(const std::string& text) override { return automation_.SendCommand(text); }

  void Close() override {
    if (IDispatch* dispatch = automation_.Detach()) dispatch->Release();
    Uninitialise();
  }

 private:
  // Undoing a CoInitialize that failed would tear down the host thread's own COM.
  void Uninitialise() {
    if (initialised_) CoUninitialize();
    initialised_ = false;
  }

  HostAutomation automation_;
  bool initialised_ = false;
};

}  // namespace

HostConnection& HostAutomationConnection() {
  static ComHostConnection connection;
  return connection;
}

}  // namespace kovra
