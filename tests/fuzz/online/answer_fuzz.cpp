// Arbitrary server answers through the answer reader, the client's answer rules and the
// cookie store: no crash, no hang, bounded memory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/app_error.h"
#include "fakes/http/scripted_connector.h"
#include "online/cookie_store.h"
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

  CookieStore store;
  store.Add(answer, "fuzz.test", "/dir/page");
  store.HeaderFor("fuzz.test", "/dir/x");
  store.HeaderFor("sub.fuzz.test", "/");
  return 0;
}
