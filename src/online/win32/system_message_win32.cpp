#include "online/system_message.h"

#include "common/win32/helpers.h"

std::wstring WideFromSystemMessage(std::string_view message) { return WideFromAnsi(message); }
