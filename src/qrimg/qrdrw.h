#pragma once

#include <cstdint>

#if defined(_WIN32)
#define QRDRW_CALL __stdcall
#else
#define QRDRW_CALL
#endif

// Draws `payload` (NUL-terminated bytes in the ANSI code page) as a QR code and sets `*image` and
// `*byteCount` to one complete PNG file in memory. When no code can be made (null or too long a
// payload) they become null and 0, which a caller treats as "no image". Returns 1 with an image,
// 0 without. Out-pointers that are null are left alone.
//
// The four options are kept for the call shape callers use (1, 4, 5, 0) and do not change the
// image: the size always fits the join code's image area with a quiet zone.
//
// Ownership: the buffer belongs to qrdrw. It stays valid and unchanged until the next call of
// qrdrw on the same thread (each thread has its own) and is released when that thread ends.
// Callers copy it at once, never write to it and never free it.
extern "C" int32_t QRDRW_CALL qrdrw(const char* payload, const uint8_t** image, int32_t* byteCount,
                                    int32_t option1, int32_t option2, int32_t option3,
                                    int32_t option4);
