// Exits with the operating system's major version as the program reads it.
#include "common/win32/helpers.h"

int main() { return static_cast<int>(OsMajorVersion()); }
