#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

namespace kovra::host {

// Stands in for the host's automation object: an IDispatch that records every
// call, registered as the running "Zelk2.Application" while it lives.
class FakeHostObject : public IDispatch {
 public:
  struct Call {
    DISPID member;
    WORD flags;
    UINT args;
    VARTYPE type;
    std::string text;
  };

  FakeHostObject();  // registers; the calling thread must have COM initialised
  ~FakeHostObject();
  void Revoke();

  std::vector<Call> calls;
  int failCall = -1;  // this call (counted from 0) reports failure
  ULONG references() const { return references_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT*, EXCEPINFO*, UINT*) override;

 private:
  ULONG references_ = 1;  // the test's own
  DWORD cookie_ = 0;
};

// The programmatic identifier's registration under HKEY_CLASSES_ROOT, where
// Wine looks it up.
void RegisterHostProgId();
void UnregisterHostProgId();

}  // namespace kovra::host
