// Writes the program's icon file, drawn from the window's vector artwork.
#include <cstdio>
#include <fstream>

#include "ui/app_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
    return 2;
  }
  const std::vector<uint8_t> icon = ui::AppIconFile();
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(icon.data()), static_cast<std::streamsize>(icon.size()));
  if (icon.empty() || !out.good()) {
    std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
