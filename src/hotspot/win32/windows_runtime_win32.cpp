#include "hotspot/win32/windows_runtime_win32.h"

#include "sharing/com_error.h"

WindowsRuntime::WindowsRuntime()
    : combase_(L"combase.dll"),
      createString_(combase_.Find<CreateStringRoutine>("WindowsCreateString")),
      deleteString_(combase_.Find<DeleteStringRoutine>("WindowsDeleteString")),
      rawBuffer_(combase_.Find<RawBufferRoutine>("WindowsGetStringRawBuffer")),
      getFactory_(combase_.Find<GetFactoryRoutine>("RoGetActivationFactory")) {}

bool WindowsRuntime::Available() const {
  return createString_ && deleteString_ && rawBuffer_ && getFactory_;
}

HRESULT WindowsRuntime::GetActivationFactory(const wchar_t* className, REFIID iid,
                                             void** factory) const {
  *factory = nullptr;
  if (!Available()) return REGDB_E_CLASSNOTREG;
  HSTRING name = nullptr;
  const HRESULT created = CreateString(className, &name);
  if (FAILED(created)) return created;
  const HRESULT result = getFactory_(name, iid, factory);
  DeleteString(name);
  return result;
}

HRESULT WindowsRuntime::CreateString(std::wstring_view text, HSTRING* string) const {
  *string = nullptr;
  if (!createString_) return E_NOTIMPL;
  return createString_(text.data(), static_cast<UINT32>(text.size()), string);
}

void WindowsRuntime::DeleteString(HSTRING string) const {
  if (string && deleteString_) deleteString_(string);
}

std::wstring WindowsRuntime::Text(HSTRING string) const {
  if (!string || !rawBuffer_) return {};
  UINT32 length = 0;
  const wchar_t* buffer = rawBuffer_(string, &length);
  return buffer ? std::wstring(buffer, length) : std::wstring();
}

RuntimeString::RuntimeString(const WindowsRuntime& runtime, std::wstring_view text)
    : runtime_(runtime) {
  OleCheck(runtime_.CreateString(text, &string_));
}
