#include "common/win32/helpers.h"
#include "online/system_message.h"

std::wstring WideFromSystemMessage(std::string_view message) { return WideFromAnsi(message); }
