#include "online/system_message.h"

#include "online/wire_text.h"

std::wstring WideFromSystemMessage(std::string_view message) { return WideFromUtf8(message); }
