#pragma once

#include <string>

#include "sharing/NetConfigLibTlb.h"

// A GUID as the COM runtime writes it: 38 characters, braced, upper-case hexadecimal digits.
std::wstring GuidText(const GUID& guid);
