#include <windows.h>
// windows.h first: nb30.h relies on its types.
#include <nb30.h>

#include "common/win32/system_library.h"
#include "online/hex.h"
#include "online/win32/report_win32.h"

namespace {

using NetbiosRoutine = UCHAR(WINAPI*)(PNCB);

// One NetBIOS command on a control block cleared before each use.
UCHAR RunNetbios(NetbiosRoutine netbios, UCHAR command, UCHAR adapter, void* buffer, WORD length) {
  NCB block;
  ZeroMemory(&block, sizeof block);
  block.ncb_command = command;
  block.ncb_lana_num = adapter;
  block.ncb_buffer = static_cast<PUCHAR>(buffer);
  block.ncb_length = length;
  if (command == NCBASTAT) block.ncb_callname[0] = '*';
  return netbios(&block);
}

}  // namespace

std::wstring GetMacAddress(int index) {
  // netapi32.dll is no known DLL: taken from the system folder when needed, never from ours.
  const SystemLibrary library(L"netapi32.dll");
  const auto netbios = library.Find<NetbiosRoutine>("Netbios");
  if (!netbios) return {};
  LANA_ENUM adapters;
  ZeroMemory(&adapters, sizeof adapters);
  if (RunNetbios(netbios, NCBENUM, 0, &adapters, sizeof adapters) != NRC_GOODRET) return {};
  // Without an adapter at that place there is no address to read.
  if (index < 0 || index >= adapters.length) return {};
  const UCHAR adapter = adapters.lana[index];
  if (RunNetbios(netbios, NCBRESET, adapter, nullptr, 0) != NRC_GOODRET) return {};

  // The fixed part only: the call fills it in even when it reports the reply as incomplete.
  ADAPTER_STATUS status;
  ZeroMemory(&status, sizeof status);
  const UCHAR result = RunNetbios(netbios, NCBASTAT, adapter, &status, sizeof status);
  if (result != NRC_GOODRET && result != NRC_INCOMP) return {};
  const std::string text = UpperHex(status.adapter_address, 6);
  return std::wstring(text.begin(), text.end());
}
