#include "tests/host/fake_host_object_win32.h"

namespace kovra::host {
namespace {

// {6A1C3F2E-5B7D-4E19-9C0A-2D4B6E8F1A35}: ours, for the stand-in only.
const CLSID kFakeHostClsid = {
    0x6a1c3f2e, 0x5b7d, 0x4e19, {0x9c, 0x0a, 0x2d, 0x4b, 0x6e, 0x8f, 0x1a, 0x35}};
const char kFakeHostClsidText[] = "{6A1C3F2E-5B7D-4E19-9C0A-2D4B6E8F1A35}";

std::string Narrow(BSTR text) {
  char out[256] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, out, sizeof out - 1, nullptr, nullptr);
  return out;
}

}  // namespace

void RegisterHostProgId() {
  HKEY key;
  RegCreateKeyExA(HKEY_CLASSES_ROOT, "Zelk2.Application\\CLSID", 0, nullptr, 0, KEY_WRITE, nullptr,
                  &key, nullptr);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(kFakeHostClsidText),
                 sizeof kFakeHostClsidText);
  RegCloseKey(key);
}

void UnregisterHostProgId() {
  RegDeleteKeyA(HKEY_CLASSES_ROOT, "Zelk2.Application\\CLSID");
  RegDeleteKeyA(HKEY_CLASSES_ROOT, "Zelk2.Application");
}

FakeHostObject::FakeHostObject() {
  RegisterHostProgId();
  RegisterActiveObject(this, kFakeHostClsid, ACTIVEOBJECT_STRONG, &cookie_);
  // A fresh prefix starts its object table service on first use: wait until our
  // own registration can be found, so the plug-in meets a host that is ready.
  for (int i = 0; i < 300; ++i) {
    IUnknown* found = nullptr;
    if (SUCCEEDED(GetActiveObject(kFakeHostClsid, nullptr, &found)) && found) {
      found->Release();
      return;
    }
    Sleep(100);
  }
}

FakeHostObject::~FakeHostObject() { Revoke(); }

void FakeHostObject::Revoke() {
  if (cookie_ != 0) RevokeActiveObject(cookie_, nullptr);
  cookie_ = 0;
}

HRESULT FakeHostObject::QueryInterface(REFIID iid, void** out) {
  if (iid == IID_IUnknown || iid == IID_IDispatch) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT FakeHostObject::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT FakeHostObject::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT*, EXCEPINFO*, UINT*) {
  Call call{member, flags, params ? params->cArgs : 0, VT_EMPTY, std::string()};
  if (call.args == 1) {
    call.type = params->rgvarg[0].vt;
    if (call.type == VT_BSTR) call.text = Narrow(params->rgvarg[0].bstrVal);
  }
  const bool fail = static_cast<int>(calls.size()) == failCall;
  calls.push_back(call);
  return fail ? DISP_E_EXCEPTION : S_OK;
}

}  // namespace kovra::host
