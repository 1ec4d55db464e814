#include "form_fixture.h"

namespace {

using namespace toolkit;

constexpr Color kHome = 0xFFF35947;
constexpr Color kRunning = 0xFF6A51C1;

TEST_F(FormTest, ScreensFillTheirPlaceAndOnlyTheGlowReachesTheMargin) {
  Shot("home");
  EXPECT_EQ(PixelAt(20, 380 - 100), kHome);
  EXPECT_EQ(PixelAt(12, 200), kHome);
  EXPECT_EQ(PixelAt(337, 200), kHome);
  // The glow band: darker towards the screen, never opaque.
  const int nearScreen = AlphaAt(host.Frame(), 8, 200);
  const int atEdge = AlphaAt(host.Frame(), 0, 200);
  EXPECT_GT(nearScreen, atEdge);
  EXPECT_GT(atEdge, 0);
  EXPECT_LT(nearScreen, 255);
  EXPECT_EQ(RedOf(PixelAt(8, 200)), 0);

  form.ShowHomeToSettings();
  host.Advance(600);
  Shot("settings");
  EXPECT_EQ(PixelAt(12, 150), kHome);
  EXPECT_EQ(AlphaAt(host.Frame(), 8, 200), 0) << "the settings screen has no glow";
  EXPECT_EQ(AlphaAt(host.Frame(), 0, 0), 0);

  form.ShowSettingsToHome();
  form.ShowHomeToRunning();
  host.Advance(600);
  Shot("running");
  EXPECT_EQ(PixelAt(20, 360), kRunning);
  EXPECT_GT(AlphaAt(host.Frame(), 8, 200), 0);
}

TEST_F(FormTest, TextsShowTheirColoursAtGlyphPixels) {
  EXPECT_GT(CountColor({14, 11, 80, 31}, 0xFFFFFFFF, 16), 5) << "title";
  EXPECT_GT(CountColor({21, 326, 338, 400}, 0xFFE0E0E0, 16), 10) << "bar captions";
  form.SetRunningTexts(L"zentura", L"密码:5831027469");
  form.ShowHomeToRunning();
  host.Advance(600);
  EXPECT_EQ(form.txtPWD->Text(), L"密码:5831027469");
  EXPECT_GT(CountColor({79, 46, 272, 81}, 0xFFFFFFFF), 20) << "network name";
  EXPECT_GT(CountColor({75, 322, 274, 345}, 0xFFB7B7B7), 10) << "password";
  EXPECT_GT(CountColor({130, 367, 220, 388}, 0xFFE0D59C, 16), 5) << "badge label";
  form.ShowHomeToRunning();  // already there: the fade of the hidden home screen is skipped
  form.ShowQrPanel();
  host.Advance(300);
  Shot("running_qr");
  EXPECT_GT(CountColor({53, 84, 295, 120}, 0xFFE0E0E0, 16), 10) << "scan hint";
}

TEST_F(FormTest, StartButtonShowsNormalHotAndDownPictures) {
  Scene& scene = host.GetScene();
  const PointF inside{174, 213};  // lower half of the button, below its gloss and chevron
  EXPECT_EQ(PixelAt(174, 213), kHome) << "normal: only the top is glossed";
  EXPECT_NE(PixelAt(174, 110), kHome) << "the gloss";
  scene.MouseMove(inside);
  const Color hot = PixelAt(174, 213);
  EXPECT_GT(GreenOf(hot), 0x70);
  EXPECT_GT(RedOf(hot), 0xE0);
  EXPECT_EQ(host.cursor, Cursor::Hand);
  EXPECT_EQ(form.btnBegin->Tooltip(), L"一键开启WIFI");
  Shot("start_hot");
  scene.MouseDown(inside, MouseButton::Left);
  const Color down = PixelAt(174, 213);
  EXPECT_LT(GreenOf(down), 0x50);
  EXPECT_GT(RedOf(down), 0xB0);
  int clicks = 0;
  form.onBeginClick = [&] { ++clicks; };
  scene.MouseUp(inside, MouseButton::Left);
  EXPECT_EQ(clicks, 1);
  scene.MouseMove({20, 60});
  EXPECT_EQ(PixelAt(174, 213), kHome);
}

TEST_F(FormTest, SettingsButtonsRunTheirFillTransitions) {
  form.ShowHomeToSettings();
  host.Advance(600);
  Scene& scene = host.GetScene();
  const PointF save{10 + 146 + 40, 10 + 361 + 18};
  const int x = static_cast<int>(save.x) - 30;
  const int y = static_cast<int>(save.y);
  EXPECT_EQ(PixelAt(x, y), 0xFFEA5600);
  scene.MouseMove(save);
  EXPECT_EQ(PixelAt(x, y), 0xFFF2781E) << "hover starts from the light colour";
  host.Advance(250);
  EXPECT_EQ(PixelAt(x, y), 0xFFEA5600);
  scene.MouseDown(save, MouseButton::Left);
  EXPECT_EQ(PixelAt(x, y), 0xFF707070);
  host.Advance(250);
  EXPECT_EQ(PixelAt(x, y), 0xFFF2781E);
  Shot("settings_pressed");
  scene.MouseUp(save, MouseButton::Left);
  host.Advance(250);
  EXPECT_EQ(PixelAt(x, y), 0xFF707070) << "release runs the press colours backwards";
}

}  // namespace

namespace {

TEST_F(FormTest, QrImageLoadsFromAFileAndBadBytesKeepTheLastOne) {
  EXPECT_EQ(form.Qcode_img->GetBitmap()->Width(), 1) << "transparent placeholder";
  toolkit::Bitmap code(33, 33, toolkit::PremultipliedPixel(0xFF000000));
  form.LoadQrImage(toolkit::EncodePng(code));
  ASSERT_EQ(form.Qcode_img->GetBitmap()->Width(), 33);
  const auto shown = form.Qcode_img->GetBitmap();
  form.LoadQrImage({0x89, 'P', 'N', 'G', 1, 2, 3});
  form.LoadQrImage({});
  EXPECT_EQ(form.Qcode_img->GetBitmap(), shown);
}

}  // namespace
