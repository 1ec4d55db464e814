#include "fakes/netcon/netcon_script.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    const size_t bar = line.find('|', start);
    fields.push_back(line.substr(start, bar == std::string_view::npos ? bar : bar - start));
    if (bar == std::string_view::npos) return fields;
    start = bar + 1;
  }
}

// UTF-8 to the platform's wide text (UTF-16 on Windows); the fake only needs the BMP.
std::wstring Wide(std::string_view text) {
  std::wstring out;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    uint32_t code = extra == 2 ? (lead & 0x0Fu) : extra == 1 ? (lead & 0x1Fu) : lead;
    for (int k = 1; k <= extra && i + k < text.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    }
    out += static_cast<wchar_t>(code);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

uint32_t Number(std::string_view text) {
  const std::string digits(text);
  char* end = nullptr;
  const unsigned long long value = std::strtoull(digits.c_str(), &end, 0);
  if (digits.empty() || *end != '\0' || value > 0xFFFFFFFFull) {
    throw NetconScriptError("not a number: " + digits);
  }
  return static_cast<uint32_t>(value);
}

bool SharingOf(std::string_view text, FakeConnection& connection) {
  connection.hasSharingConfiguration = text != "none";
  connection.sharingEnabled = text == "public" || text == "private";
  connection.sharingType = text == "private" ? ICSSHARINGTYPE_PRIVATE : ICSSHARINGTYPE_PUBLIC;
  return text == "none" || text == "off" || text == "public" || text == "private";
}

bool IsConnectionLine(const std::vector<std::string_view>& fields) {
  return fields[0] == "connection" && fields.size() == 9;
}

FakeConnection ParseConnection(const std::vector<std::string_view>& fields) {
  FakeConnection connection;
  connection.guid = ParseGuid(fields[1]);
  connection.name = Wide(fields[2]);
  connection.deviceName = Wide(fields[3]);
  connection.status = Number(fields[4]);
  connection.mediaType = Number(fields[5]);
  connection.characteristics = Number(fields[6]);
  if (!SharingOf(fields[7], connection)) throw NetconScriptError("unknown sharing state");
  connection.firewallEnabled = Number(fields[8]) != 0;
  return connection;
}

void LoadLine(FakeNetconWorld& world, const std::vector<std::string_view>& fields) {
  const std::string_view kind = fields[0];
  if (IsConnectionLine(fields)) {
    world.AddConnection(ParseConnection(fields));
  } else if (kind == "installed" && fields.size() == 2) {
    world.SetSharingInstalled(Number(fields[1]) != 0);
  } else if (kind == "fail" && (fields.size() == 3 || fields.size() == 4)) {
    const int nth = fields.size() == 4 ? static_cast<int>(Number(fields[3])) : 0;
    world.FailCall(std::string(fields[1]), static_cast<HRESULT>(Number(fields[2])), nth);
  } else if (kind == "computer" && fields.size() == 2) {
    world.computerName = Wide(fields[1]);
  } else {
    throw NetconScriptError("unknown line kind or field count");
  }
}

// Calls `follow` with the fields of every line that is not blank or a comment; an error names
// the line.
template <typename Follow>
void ForEachLine(std::string_view utf8Script, Follow follow) {
  int lineNumber = 0;
  size_t start = 0;
  while (start <= utf8Script.size()) {
    size_t end = utf8Script.find('\n', start);
    if (end == std::string_view::npos) end = utf8Script.size();
    std::string_view line = utf8Script.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    try {
      follow(SplitFields(line));
    } catch (const NetconScriptError& error) {
      throw NetconScriptError("script line " + std::to_string(lineNumber) + ": " + error.what());
    }
  }
}

}  // namespace

GUID ParseGuid(std::string_view text) {
  // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}: the dashes sit at fixed places.
  if (text.size() != 38 || text.front() != '{' || text.back() != '}' || text[9] != '-' ||
      text[14] != '-' || text[19] != '-' || text[24] != '-') {
    throw NetconScriptError("not a braced GUID: " + std::string(text));
  }
  auto hex = [&](size_t start, size_t length) {
    return static_cast<uint32_t>(Number("0x" + std::string(text.substr(start, length))));
  };
  GUID guid{};
  guid.Data1 = hex(1, 8);
  guid.Data2 = static_cast<uint16_t>(hex(10, 4));
  guid.Data3 = static_cast<uint16_t>(hex(15, 4));
  guid.Data4[0] = static_cast<unsigned char>(hex(20, 2));
  guid.Data4[1] = static_cast<unsigned char>(hex(22, 2));
  for (size_t i = 0; i < 6; ++i) guid.Data4[2 + i] = static_cast<unsigned char>(hex(25 + 2 * i, 2));
  return guid;
}

void LoadNetconScript(FakeNetconWorld& world, std::string_view utf8Script) {
  ForEachLine(utf8Script, [&world](const auto& fields) { LoadLine(world, fields); });
}

void UpdateNetconStatuses(FakeNetconWorld& world, std::string_view utf8Script) {
  ForEachLine(utf8Script, [&world](const auto& fields) {
    if (!IsConnectionLine(fields)) return;
    const FakeConnection update = ParseConnection(fields);
    if (FakeConnection* connection = world.FindConnection(update.guid)) {
      connection->status = update.status;
    }
  });
}
