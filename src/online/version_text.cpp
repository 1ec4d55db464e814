#include "online/version_text.h"

std::wstring VersionText(uint32_t mostSignificant, uint32_t leastSignificant) {
  return std::to_wstring(mostSignificant >> 16) + L"." + std::to_wstring(mostSignificant & 0xFFFF) +
         L"." + std::to_wstring(leastSignificant >> 16) + L"." +
         std::to_wstring(leastSignificant & 0xFFFF);
}
