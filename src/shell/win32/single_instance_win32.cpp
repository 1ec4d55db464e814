#include "shell/win32/single_instance_win32.h"

#include <windows.h>

namespace {

constexpr wchar_t kMutexName[] = L"zentura{0FC343C6-1CD9-43CA-9188-D222174C65B7}";
HANDLE singleInstanceMutex = nullptr;

}  // namespace

bool CheckSingleInstance() {
  singleInstanceMutex = CreateMutexW(nullptr, TRUE, kMutexName);
  // When another copy holds the name, the handle stays open until this process ends.
  return singleInstanceMutex != nullptr && GetLastError() == 0;
}

void ReleaseSingleInstance() {
  if (!singleInstanceMutex) return;
  CloseHandle(singleInstanceMutex);
  singleInstanceMutex = nullptr;
}
