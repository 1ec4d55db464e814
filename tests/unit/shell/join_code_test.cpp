#include "controller_fixture.h"
#include "qrimg/qr_image_file.h"

namespace {

struct JoinCodeTest : ControllerTest {
  void SetUp() override {
    view.autostartChecked = true;
    Make().FormCreate();
  }
  void StartWith(const std::wstring& name, const std::wstring& key) {
    view.networkName = name;
    view.password = key;
    controller->btnBeginClick();
    controller->btnStopClick();
  }
};

}  // namespace

TEST_F(JoinCodeTest, CodeCarriesEscapedFieldsInTheAnsiCodePage) {
  StartWith(L"a;b中,文", L"p\"w:\\x");
  EXPECT_EQ(view.qrImage, QrImageFile("WIFI:T:WPA2;P:p\\\"w\\:\\\\x;S:a\\;b\xD6\xD0\\,\xCE\xC4;"));
  // Characters the code page lacks become its default character.
  StartWith(L"café", L"");
  EXPECT_EQ(view.qrImage, QrImageFile("WIFI:T:WPA2;P:;S:caf?;"));
}

TEST_F(JoinCodeTest, NoImageKeepsTheLastCode) {
  StartWith(L"HomeNet", L"12345678");
  const std::vector<uint8_t> first = view.qrImage;
  ASSERT_FALSE(first.empty());
  StartWith(std::wstring(3000, L'n'), L"12345678");  // too long for any QR code
  EXPECT_EQ(view.qrImage, first);
  EXPECT_EQ(view.qrLoads, 1);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(view.runningName, std::wstring(3000, L'n'));
}

TEST_F(JoinCodeTest, BadgeAndPanelSwapWithTheSpinner) {
  controller->btnBeginClick();
  view.steps.clear();
  controller->label_QcodeClick();
  EXPECT_TRUE(view.qrPanelShown);
  EXPECT_FALSE(view.spinnerTurning);
  controller->lyQcodeClick();
  EXPECT_FALSE(view.qrPanelShown);
  EXPECT_TRUE(view.spinnerTurning);
  EXPECT_EQ(view.steps, (std::vector<std::wstring>{L"spinner-stop", L"qr-panel", L"spinner-panel",
                                                   L"spinner-start"}));
  EXPECT_EQ(view.qrLoads, 1);  // showing the panel makes no new code
}
