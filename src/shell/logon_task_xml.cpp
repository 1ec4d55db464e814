#include "shell/logon_task_xml.h"

namespace {

// Text as element content: a folder such as "R&D" must not end the document.
std::wstring Escaped(std::wstring_view text) {
  std::wstring escaped;
  escaped.reserve(text.size());
  for (const wchar_t c : text) {
    switch (c) {
      case L'&':
        escaped += L"&amp;";
        break;
      case L'<':
        escaped += L"&lt;";
        break;
      case L'>':
        escaped += L"&gt;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::wstring LogonTaskXml(std::wstring_view userId, std::wstring_view executablePath) {
  const std::wstring user = Escaped(userId);
  return L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
         L"<Task version=\"1.2\" "
         L"xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">\r\n"
         L"  <Triggers>\r\n"
         L"    <LogonTrigger>\r\n"
         L"      <Enabled>true</Enabled>\r\n"
         L"      <UserId>" +
         user +
         L"</UserId>\r\n"
         L"    </LogonTrigger>\r\n"
         L"  </Triggers>\r\n"
         L"  <Principals>\r\n"
         L"    <Principal id=\"Author\">\r\n"
         L"      <LogonType>InteractiveToken</LogonType>\r\n"
         L"      <RunLevel>HighestAvailable</RunLevel>\r\n"
         L"    </Principal>\r\n"
         L"  </Principals>\r\n"
         L"  <Settings>\r\n"
         L"    <MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>\r\n"
         L"    <DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>\r\n"
         L"    <StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>\r\n"
         L"    <ExecutionTimeLimit>PT0S</ExecutionTimeLimit>\r\n"
         L"  </Settings>\r\n"
         L"  <Actions Context=\"Author\">\r\n"
         L"    <Exec>\r\n"
         L"      <Command>\"" +
         Escaped(executablePath) +
         L"\"</Command>\r\n"
         L"      <Arguments>-auto</Arguments>\r\n"
         L"    </Exec>\r\n"
         L"  </Actions>\r\n"
         L"</Task>\r\n";
}
