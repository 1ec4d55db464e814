#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>

#include "fakes/http/recording_server.h"
#include "online/asio_connector.h"
#include "online/report_code.h"
#include "online/usage_reporter.h"
#include "online/wire_text.h"

using namespace std::chrono_literals;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

constexpr char kToken[] =
    "HTTP/1.1 200 OK\r\nSet-Cookie: sid=42; path=/\r\nContent-Length: 2\r\n\r\n{}";
constexpr char kSigned[] = "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n";

std::string Body(const std::string& request) {
  return request.substr(request.find("\r\n\r\n") + 4);
}

std::string ExpectedCode(std::wstring_view mac, std::wstring_view v, std::wstring_view uid) {
  return AsciiFromWide(MakeReportCode(mac, v, uid));
}

// Sends one report straight through the client, as the report thread does.
void Send(RecordingServer& server, const TAMTJ& values, std::wstring_view mac) {
  AsioConnector connector;
  HttpClient client(connector);
  SendUsageReport(client, values, mac, server.Host());
}

}  // namespace

TEST(UsageReport, TokenGetThenSignedPostWithFieldsInOrder) {
  RecordingServer server;
  server.Answer({kToken});
  server.Answer({kSigned});
  Send(server, {L"1015", L"1", L"1.0.0.0", L"1"}, L"0A1B2C3D4E5F");

  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_THAT(requests[0], StartsWith("GET /interface.php?s=/Count/getToken.html HTTP/1.1\r\n"));
  EXPECT_THAT(requests[1], StartsWith("POST /interface.php?s=/Count/sign.html HTTP/1.0\r\n"));
  // The extra "Cookie" row holds the store's cookie, and "Cookie2" closes the head.
  EXPECT_THAT(requests[1], HasSubstr("Content-Length: " + std::to_string(Body(requests[1]).size()) +
                                     "\r\nCookie: sid=42\r\nHost: "));
  EXPECT_THAT(requests[1], HasSubstr("\r\nCookie2: $Version=\"1\"\r\n\r\n"));
  EXPECT_EQ(Body(requests[1]),
            "uid=1015&c=1&mac=0A1B2C3D4E5F&v=1.0.0.0&ppm=1&code=1D442C01445ED72077FB58D64AB94858");
}

TEST(UsageReport, EmptyValuesLeaveTheirFieldsOutAndSignAsEmpty) {
  RecordingServer server;
  server.Answer({"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"});  // no cookie at all
  server.Answer({kSigned});
  Send(server, {L"", L"1", L"", L"1"}, L"");

  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u) << "the POST is sent without a token cookie";
  EXPECT_EQ(requests[1].find("Cookie"), std::string::npos);
  EXPECT_EQ(Body(requests[1]), "c=1&ppm=1&code=" + ExpectedCode(L"", L"", L""));
}

TEST(UsageReport, VersionMinusOneIsSentAsItStands) {
  RecordingServer server;
  server.Answer({kToken});
  server.Answer({kSigned});
  Send(server, {L"7", L"1", L"-1", L"1"}, L"001122334455");
  ASSERT_TRUE(server.WaitForRequests(2, 5s));
  EXPECT_THAT(Body(server.Requests()[1]),
              EndsWith("v=-1&ppm=1&code=" + ExpectedCode(L"001122334455", L"-1", L"7")));
}

TEST(UsageReport, FailedTokenRequestSendsNoPost) {
  for (const std::string answer :
       {"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n",
        "HTTP/1.1 302 Found\r\nLocation: /x\r\nContent-Length: 0\r\n\r\n"}) {
    RecordingServer server;
    server.Answer({answer});
    server.Answer({kSigned});
    EXPECT_THROW(Send(server, {L"1015", L"1", L"1.0.0.0", L"1"}, L""), AppError);
    EXPECT_EQ(server.Requests().size(), 1u) << answer;
  }
}

namespace {

class FakeServices : public ReportServices {
 public:
  explicit FakeServices(std::string host) : host_(std::move(host)) {}
  std::wstring MacAddress() override { return L"0A1B2C3D4E5F"; }
  std::unique_ptr<HttpConnector> MakeConnector() override {
    return std::make_unique<AsioConnector>();
  }
  std::string StatsHost() override { return host_; }

 private:
  std::string host_;
};

class FakeFacts : public ReportFacts {
 public:
  std::wstring Uid() override { return ++reads, L"1015"; }
  std::wstring ProgramVersion() override { return L"1.0.0.0"; }
  std::atomic<int> reads{0};
};

}  // namespace

TEST(UsageReporter, MessageStartsAReportThreadThatSwallowsFailures) {
  RecordingServer server;
  server.Answer({kToken});
  server.Answer({kSigned});
  FakeFacts facts;
  auto context = std::make_shared<ReportContext>(std::make_unique<FakeServices>(server.Host()));
  UsageReporter reporter(facts, context);
  reporter.WMSendReport();
  context->WaitUntilIdle();
  EXPECT_EQ(reporter.ReportParams._uid, L"1015");
  EXPECT_EQ(reporter.ReportParams._c, L"1");
  EXPECT_EQ(reporter.ReportParams._v, L"1.0.0.0");
  EXPECT_EQ(reporter.ReportParams._ppm, L"1");
  ASSERT_EQ(server.Requests().size(), 2u);
  EXPECT_THAT(Body(server.Requests()[1]), HasSubstr("code=1D442C01445ED72077FB58D64AB94858"));

  // Nothing scripted: the server closes, the report fails quietly.
  reporter.WMSendReport();
  context->WaitUntilIdle();
  EXPECT_EQ(server.Requests().size(), 3u);
}

TEST(UsageReporter, AtMostEightReportsRunAndFurtherMessagesAreIgnored) {
  auto server = std::make_unique<RecordingServer>();
  for (int i = 0; i < kMaxRunningReports + 1; ++i) server->Answer({"", false, true});
  FakeFacts facts;
  auto context = std::make_shared<ReportContext>(std::make_unique<FakeServices>(server->Host()));
  UsageReporter reporter(facts, context);
  for (int i = 0; i < kMaxRunningReports + 3; ++i) reporter.WMSendReport();
  EXPECT_EQ(context->Running(), kMaxRunningReports);
  EXPECT_EQ(facts.reads, kMaxRunningReports);
  ASSERT_TRUE(server->WaitForRequests(kMaxRunningReports, 10s));

  server.reset();  // the held connections close, the reports end
  context->WaitUntilIdle();
  EXPECT_EQ(context->Running(), 0);
  EXPECT_TRUE(sendTJ::create(context, L"1", L"1", L"1", L"1")) << "places free again";
  context->WaitUntilIdle();
}
