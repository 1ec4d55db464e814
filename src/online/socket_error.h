#pragma once

#include <string>
#include <string_view>

#include "common/app_error.h"

// The failure of a socket operation as the user sees it:
// "Socket Error # N", CR LF, and a description.
AppError SocketError(int number, std::wstring_view description);

// Winsock numbers of the errors the program names, the same on every platform.
inline constexpr int kHostNotFound = 11001;
inline constexpr int kConnectionRefused = 10061;
