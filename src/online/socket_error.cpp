#include "online/socket_error.h"

AppError SocketError(int number, std::wstring_view description) {
  return AppError(L"Socket Error # " + std::to_wstring(number) + L"\r\n" +
                  std::wstring(description));
}
