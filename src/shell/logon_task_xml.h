#pragma once

#include <string>
#include <string_view>

// The logon task's definition in the Task Scheduler's XML: started at `userId`'s logon
// ("DOMAIN\user"), with the user's highest rights and "-auto", also on battery, never ended
// for running long, and not a second time while it runs.
std::wstring LogonTaskXml(std::wstring_view userId, std::wstring_view executablePath);
