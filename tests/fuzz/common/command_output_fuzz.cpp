// A console command's output, cut into reads at places the fuzzer picks, through the line
// assembler. The lines must be those of a plain one-pass model of the rules:
// - a read never splits a two-byte character: the lead byte waits for the next read;
// - each read is decoded by itself and taken up to its first NUL;
// - the texts of the reads form one stream, whose lines end at CR, LF or CR LF.
// Without NUL bytes the cutting cannot matter, so the lines must equal those of one read.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/command_output.h"

namespace {

// Latin-1, or with `twoByte` the lead bytes of code page 936: a lead byte and the byte after
// it are one character, a lone lead byte at the end is "?".
class FuzzCodePage : public AnsiCodePage {
 public:
  explicit FuzzCodePage(bool twoByte) : twoByte_(twoByte) {}
  std::wstring Decode(std::string_view bytes) const override {
    std::wstring text;
    for (size_t i = 0; i < bytes.size(); ++i) {
      const auto byte = static_cast<unsigned char>(bytes[i]);
      if (!IsLeadByte(byte)) {
        text += static_cast<wchar_t>(byte);
      } else if (i + 1 < bytes.size()) {
        text += static_cast<wchar_t>(0x4000 + (byte << 8 | static_cast<unsigned char>(bytes[++i])));
      } else {
        text += L'?';
      }
    }
    return text;
  }
  bool IsLeadByte(unsigned char byte) const override {
    return twoByte_ && byte >= 0x81 && byte != 0xFF;
  }

 private:
  bool twoByte_;
};

std::vector<std::wstring> Assemble(const AnsiCodePage& codePage,
                                   const std::vector<std::string_view>& reads) {
  CommandOutputLines assembler(codePage);
  for (std::string_view read : reads) assembler.AddBytes(read);
  assembler.Finish();

  std::wstring joined;
  for (const std::wstring& line : assembler.Lines()) {
    if (line.find_first_of(std::wstring(L"\r\n\0", 3)) != std::wstring::npos) std::abort();
    joined += line + L"\r\n";
  }
  if (assembler.Text() != joined) std::abort();
  return assembler.Lines();
}

// Where each read's decoded text really ends: at the start of the character the read's end
// falls in; the last entry is the end of the output, for what Finish decodes.
std::vector<size_t> DecodedBoundaries(const AnsiCodePage& codePage, std::string_view output,
                                      const std::vector<std::string_view>& reads) {
  std::vector<bool> startsCharacter(output.size() + 1, false);
  size_t i = 0;
  for (; i < output.size(); i += codePage.IsLeadByte(static_cast<unsigned char>(output[i])) ? 2 : 1) {
    startsCharacter[i] = true;
  }
  // A lone lead byte at the very end waits for Finish, so the end of the output is then no
  // character start and every read's text stops before that byte.
  if (i == output.size()) startsCharacter[i] = true;
  std::vector<size_t> boundaries;
  size_t end = 0;
  for (std::string_view read : reads) {
    end += read.size();
    size_t boundary = end;
    while (boundary > 0 && !startsCharacter[boundary]) --boundary;
    boundaries.push_back(boundary);
  }
  boundaries.push_back(output.size());
  return boundaries;
}

std::vector<std::wstring> Model(const AnsiCodePage& codePage, std::string_view output,
                                const std::vector<std::string_view>& reads) {
  std::wstring stream;
  size_t start = 0;
  for (size_t boundary : DecodedBoundaries(codePage, output, reads)) {
    if (boundary <= start) continue;
    std::wstring text = codePage.Decode(output.substr(start, boundary - start));
    stream += text.substr(0, text.find(L'\0'));
    start = boundary;
  }
  std::vector<std::wstring> lines;
  size_t lineStart = 0;
  for (size_t i = 0; i < stream.size(); ++i) {
    if (stream[i] != L'\r' && stream[i] != L'\n') continue;
    lines.push_back(stream.substr(lineStart, i - lineStart));
    if (stream[i] == L'\r' && i + 1 < stream.size() && stream[i + 1] == L'\n') ++i;
    lineStart = i + 1;
  }
  if (lineStart < stream.size()) lines.push_back(stream.substr(lineStart));
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  const FuzzCodePage codePage(provider.ConsumeBool());
  std::vector<size_t> readSizes(provider.ConsumeIntegralInRange<size_t>(0, 12));
  for (size_t& readSize : readSizes) readSize = provider.ConsumeIntegralInRange<size_t>(0, 64);
  const std::string output = provider.ConsumeRemainingBytesAsString();

  std::vector<std::string_view> reads;
  std::string_view rest = output;
  for (size_t readSize : readSizes) {
    reads.push_back(rest.substr(0, readSize));
    rest.remove_prefix(reads.back().size());
  }
  reads.push_back(rest);

  const std::vector<std::wstring> lines = Assemble(codePage, reads);
  if (lines != Model(codePage, output, reads)) std::abort();
  if (output.find('\0') == std::string::npos && lines != Assemble(codePage, {output})) std::abort();
  return 0;
}
