#include "online/usage_report.h"

#include "online/report_code.h"

void SendUsageReport(HttpClient& client, const TAMTJ& values, std::wstring_view mac,
                     std::string_view statsHost) {
  const std::string server = "http://" + std::string(statsHost);
  client.Get(server + kTokenPath);  // only the answer's cookie matters

  client.ClearExtraHeaders();
  client.AddExtraHeader("Cookie", CookieTextOf(client.AnswerHeader("Set-Cookie")));

  FieldList fields;
  fields.Set(L"uid", values._uid);
  fields.Set(L"c", values._c);
  fields.Set(L"mac", mac);
  fields.Set(L"v", values._v);
  fields.Set(L"ppm", values._ppm);
  fields.Set(L"code",
             MakeReportCode(fields.Value(L"mac"), fields.Value(L"v"), fields.Value(L"uid")));
  client.PostForm(server + kSignPath, fields);
}
