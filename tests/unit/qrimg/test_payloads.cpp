#include "test_payloads.h"

#include "qrimg/join_payload.h"

namespace {

constexpr int kLongestField = 64;
constexpr std::string_view kPlainCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 !#$%&'()*+-./<=>?@[]^_`{|}~";

char RandomFrom(std::mt19937& random, std::string_view characters) {
  std::uniform_int_distribution<std::size_t> pick(0, characters.size() - 1);
  return characters[pick(random)];
}

std::string GbkCharacter(std::mt19937& random) {
  std::uniform_int_distribution<int> lead(0x81, 0xFE);
  std::uniform_int_distribution<int> trail(0x40, 0xFE);
  int trailByte = trail(random);
  if (trailByte == 0x7F) trailByte = 0x5C;  // 0x7F is no trail byte; 0x5C is the tricky one
  return {static_cast<char>(lead(random)), static_cast<char>(trailByte)};
}

}  // namespace

std::wstring Gbk936CodePage::Decode(std::string_view bytes) const {
  // Only shown in failure messages: each byte as one character.
  return std::wstring(bytes.begin(), bytes.end());
}

std::string RandomJoinField(std::mt19937& random, int characters) {
  std::uniform_int_distribution<int> kind(0, 2);
  std::string field;
  for (int i = 0; i < characters; ++i) {
    switch (kind(random)) {
      case 0:
        field += RandomFrom(random, kPlainCharacters);
        break;
      case 1:
        field += RandomFrom(random, kJoinSpecials);
        break;
      default:
        field += GbkCharacter(random);
        break;
    }
  }
  return field;
}

std::vector<std::string> SampleJoinPayloads() {
  const Gbk936CodePage codePage;
  std::mt19937 random(936);
  std::vector<std::string> payloads;
  const std::string allSpecials(kLongestField, ';');
  std::string allGbk;
  for (int i = 0; i < kLongestField; ++i) allGbk += "\xD6\xD0";  // 中
  payloads.push_back(JoinPayload(allSpecials, allSpecials, codePage));
  payloads.push_back(JoinPayload(allGbk, std::string(kLongestField, '\\'), codePage));
  payloads.push_back(JoinPayload("", "", codePage));
  std::uniform_int_distribution<int> length(0, kLongestField);
  for (int i = 0; i < 300; ++i) {
    payloads.push_back(JoinPayload(RandomJoinField(random, length(random)),
                                   RandomJoinField(random, length(random)), codePage));
  }
  return payloads;
}
