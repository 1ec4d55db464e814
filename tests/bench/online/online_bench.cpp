#include <benchmark/benchmark.h>

#include "fakes/http/scripted_connector.h"
#include "online/comment_form.h"
#include "online/cookie_store.h"
#include "online/http_client.h"

namespace {

// A long Chinese memo through the comment form and its encoding.
void BM_EncodeCommentForm(benchmark::State& state) {
  std::wstring memo;
  for (int line = 0; line < state.range(0) / 10; ++line) memo += L"反馈内容 with & + %\r\n";
  for (auto _ : state) {
    benchmark::DoNotOptimize(EncodeFormBody(CommentForm(L"ZENTURA", memo)));
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(memo.size()));
}
BENCHMARK(BM_EncodeCommentForm)->Arg(1000)->Arg(100000);

// A chunked answer read in network-sized pieces.
void BM_ReadChunkedAnswer(benchmark::State& state) {
  std::string answer = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
  const std::string chunk(1000, 'x');
  for (int i = 0; i < state.range(0); ++i) answer += "3e8\r\n" + chunk + "\r\n";
  answer += "0\r\n\r\n";
  for (auto _ : state) {
    ScriptedConnector connector;
    connector.Add({answer, 4096});
    HttpClient client(connector);
    benchmark::DoNotOptimize(client.Get("http://bench.test/"));
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(answer.size()));
}
BENCHMARK(BM_ReadChunkedAnswer)->Arg(16)->Arg(128)->Arg(1024);

// The "Cookie" header from a full store.
void BM_CookieHeader(benchmark::State& state) {
  CookieStore store;
  for (int i = 0; i < 50; ++i) {
    store.Add("name" + std::to_string(i) + "=value; path=/p" + std::to_string(i % 5), "h.test",
              "/");
  }
  for (auto _ : state) benchmark::DoNotOptimize(store.HeaderFor("h.test", "/p3/page"));
}
BENCHMARK(BM_CookieHeader);

}  // namespace
