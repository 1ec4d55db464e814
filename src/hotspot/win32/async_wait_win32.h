#pragma once

#include <windows.h>

#include "hotspot/win32/tethering_interfaces.h"
#include "sharing/com_ptr.h"

// Waits on the window's thread for an asynchronous action or tethering operation while the
// window keeps handling its messages. False when the wait ran out or the program is quitting;
// the operation is then cancelled. A failing call raises a ComError.
bool WaitForAction(winrt_abi::IAsyncAction& action, DWORD milliseconds);
bool WaitForOperation(winrt_abi::ITetheringResultOperation& operation, DWORD milliseconds);

// The outcome of an operation that ended: its error code raised as a ComError when it failed.
void CheckEnded(IUnknown& operation);
