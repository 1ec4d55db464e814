#include "qrimg/join_payload.h"

namespace {

constexpr std::string_view kSpecialCharacters = "\\;,\":";

}  // namespace

std::string EscapeJoinField(std::string_view field, const AnsiCodePage& codePage) {
  std::string escaped;
  escaped.reserve(field.size() * 2);
  for (std::size_t i = 0; i < field.size(); ++i) {
    const char byte = field[i];
    if (codePage.IsLeadByte(static_cast<unsigned char>(byte)) && i + 1 < field.size()) {
      escaped += byte;
      escaped += field[++i];
      continue;
    }
    if (kSpecialCharacters.find(byte) != std::string_view::npos) escaped += '\\';
    escaped += byte;
  }
  return escaped;
}

std::string JoinPayload(std::string_view password, std::string_view networkName,
                        const AnsiCodePage& codePage) {
  return "WIFI:T:WPA2;P:" + EscapeJoinField(password, codePage) +
         ";S:" + EscapeJoinField(networkName, codePage) + ";";
}
