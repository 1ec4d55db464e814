#include "zbarimg_reader.h"

#include <stdio.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

struct PipeCloser {
  void operator()(FILE* pipe) const { pclose(pipe); }
};

// A file that is removed again when it goes out of scope.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::vector<uint8_t>& bytes) {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("pelanto-qr-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".png");
    std::ofstream(path_, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  ~TemporaryFile() { std::filesystem::remove(path_); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

std::optional<std::string> ReadWithZbarimg(const std::vector<uint8_t>& imageFile) {
  const TemporaryFile file(imageFile);
  const std::string command = std::string(PELANTO_ZBARIMG) + " --raw -q -Sbinary '" +
                              file.Path().string() + "' 2>/dev/null";
  std::unique_ptr<FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
  if (!pipe) return std::nullopt;
  std::string output;
  char buffer[4096];
  for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
    output.append(buffer, got);
  const int status = pclose(pipe.release());
  if (status != 0) return std::nullopt;
  return output;
}
