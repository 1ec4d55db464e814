// Arbitrary server answers through the answer reader, the client's answer rules, the comment
// post's reading of them and the cookie store: no crash, no hang, bounded memory.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/app_error.h"
#include "fakes/http/scripted_connector.h"
#include "online/comment_answer.h"
#include "online/cookie_store.h"
#include "online/error_page.h"
#include "online/http_client.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks how the answer is cut into reads.
  const size_t chunkSize = size_t(data[0] % 16) + 1;
  const std::string answer(reinterpret_cast<const char*>(data + 1), size - 1);

  ScriptedConnector connector;
  connector.Add({answer, chunkSize});
  connector.Add({answer, chunkSize});
  HttpClient client(connector);
  for (int request = 0; request < 2; ++request) {
    try {
      client.Get(request == 0 ? "http://fuzz.test/dir/page" : "http://fuzz.test/dir/next");
    } catch (const AppError&) {
    }
  }

  ScriptedConnector commentConnector;
  commentConnector.Add({answer, chunkSize});
  HttpClient commentClient(commentConnector);
  try {
    CommentRefusal(commentClient.PostFormAnswer("http://fuzz.test/bbs/c.php", FieldList()));
  } catch (const AppError&) {
  }
  // The same bytes as the body of an error page: a reason of bounded length.
  const auto reason = ErrorPageReason("<body id=\"error-page\">" + answer);
  if (!reason || reason->size() > kErrorPageReasonLimit) std::abort();

  CookieStore store;
  store.Add(answer, "fuzz.test", "/dir/page");
  store.HeaderFor("fuzz.test", "/dir/x");
  store.HeaderFor("sub.fuzz.test", "/");
  return 0;
}
