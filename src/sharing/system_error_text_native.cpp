#include "sharing/com_error.h"

// Outside Windows there is no system message table.
std::wstring SystemErrorText(HRESULT) { return {}; }
