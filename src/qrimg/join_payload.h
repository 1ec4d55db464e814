#pragma once

#include <string>
#include <string_view>

#include "common/ansi_code_page.h"

// A field of the join text with each \ ; , " and : preceded by a backslash, so that a phone
// reads the field to its real end. `field` is already in the ANSI code page: the second byte of
// a double-byte character (which may be 0x5C, the backslash) belongs to that character and is
// copied unchanged.
std::string EscapeJoinField(std::string_view field, const AnsiCodePage& codePage);

// The text a phone scans to join the network: "WIFI:T:WPA2;P:<password>;S:<name>;" with both
// fields escaped. Password and name are the ANSI code page bytes of the two text boxes.
std::string JoinPayload(std::string_view password, std::string_view networkName,
                        const AnsiCodePage& codePage);
