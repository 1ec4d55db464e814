#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/scene.h"
#include "toolkit/shapes.h"
#include "toolkit/widgets/buttons.h"
#include "toolkit/widgets/check_box.h"
#include "toolkit/widgets/combo_box.h"
#include "toolkit/widgets/memo.h"
#include "toolkit/widgets/message_popup.h"
#include "toolkit/widgets/text_box.h"

namespace ui {

// The main window's form: the three screens with every control, their styles and artwork, the
// two rotations and the transitions between screens and panels. It only draws and moves; what
// a click means is decided by whoever sets the on... callbacks.
class MainForm {
 public:
  static constexpr float kWidth = 348;
  static constexpr float kHeight = 413;
  // Modal results of the feedback popup.
  static constexpr int kSuggestOk = 1;
  static constexpr int kSuggestCancel = 7;

  // Builds the form into `scene` (348 × 413) and starts both rotations.
  explicit MainForm(toolkit::Scene& scene);
  ~MainForm();
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // --- events
  std::function<void()> onBeginClick;       // btnBegin
  std::function<void()> onStopClick;        // btnStop
  std::function<void()> onSettingClick;     // btnSetting
  std::function<void()> onMinutesClick;     // btnMinutes (feedback)
  std::function<void()> onUpdateClick;      // btnUpdate
  std::function<void()> onCloseClick;       // btnClose_1 and btnClose_2
  std::function<void()> onSetSaveClick;     // btnSetSave, or Enter on the settings screen
  std::function<void()> onSetBackClick;     // btnSetBack, or Esc on the settings screen
  std::function<void()> onQcodeClick;       // label_Qcode
  std::function<void()> onQcodePanelClick;  // lyQcode
  std::function<void()> onAutostartChange;  // CheckBoxAutostart
  // Context request on btnMinutes, btnSugEsc or btnSugOk.
  std::function<void()> onSuggestContextRequest;

  // --- transitions: the fades and slides with their visibility changes, nothing else (the
  // caller checks the tray item and starts or stops the spinner). Waits dispatch messages.
  void ShowHomeToRunning();
  void ShowRunningToHome();  // blocks for its fade-in too
  void ShowHomeToSettings();
  void ShowSettingsToHome();
  void ShowQrPanel();  // spinner panel → QR panel
  void HideQrPanel();  // QR panel → spinner panel
  bool RunningScreenVisible() const { return rglMainLed->Visible(); }
  void StartSpinner();
  void StopSpinner();
  bool SpinnerRunning() const;

  // --- texts and lists
  // `txtSSID` and `txtPWD` (the whole line, "密码:" and the password).
  void SetRunningTexts(const std::wstring& networkName, const std::wstring& passwordLine);
  std::wstring NetworkNameText() const { return tSSIDName->Text(); }
  std::wstring PasswordText() const { return tPwd->Text(); }
  void SetNetworkNameText(const std::wstring& text) { tSSIDName->SetText(text); }
  void SetPasswordText(const std::wstring& text) { tPwd->SetText(text); }
  bool AutostartChecked() const { return CheckBoxAutostart->IsChecked(); }
  void SetAutostartChecked(bool checked) { CheckBoxAutostart->SetChecked(checked); }
  void SetQrImage(std::shared_ptr<const toolkit::Bitmap> image);
  // Decodes an image file into `Qcode_img`; bytes that give no picture leave it as it was.
  void LoadQrImage(const std::vector<uint8_t>& imageFile);

  // --- feedback popup
  // Opens `msgSuggest` modally; 1 (OK), 7 (cancel) or 2 (the application is ending).
  int PopupModal();
  // The same for a context request on btnMinutes, btnSugEsc or btnSugOk: from then on Esc and a
  // loss of activation close the popup too, with result 2.
  int PopupModalFromContextRequest();
  std::wstring SuggestionText() const { return MemoSuggest->Text(); }

  // --- the controls, by their names
  toolkit::Node* Root1;
  toolkit::RectangleNode* rglMain;
  toolkit::RectangleNode* rglSet;
  toolkit::RectangleNode* rglMainLed;
  // home
  toolkit::ImageNode* imgBottom;
  toolkit::BitmapButton* btnUpdate;
  toolkit::BitmapButton* btnMinutes;
  toolkit::BitmapButton* btnSetting;
  toolkit::ImageNode* Image1;
  toolkit::ImageNode* Image2;
  toolkit::ImageStateButton* btnBegin;
  toolkit::ImageNode* Image3;
  toolkit::BitmapButton* btnClose_1;
  toolkit::TextNode* txtCaption_1;
  // running
  toolkit::TextNode* txtSSID;
  toolkit::TextNode* txtPWD;
  toolkit::BitmapButton* btnClose_2;
  toolkit::TextNode* txtCaption_2;
  toolkit::ImageNode* Image5;
  toolkit::Label* label_Qcode;
  toolkit::Layout* lyShow;
  toolkit::ImageNode* Image4;
  toolkit::BitmapButton* btnStop;
  toolkit::Layout* lyQcode;
  toolkit::Label* labelLabel2;
  toolkit::ImageNode* Qcode_img;
  // settings
  toolkit::GroupBox* gbBasic;
  toolkit::TextBox* tSSIDName;
  toolkit::TextNode* txtSSIDName;
  toolkit::TextBox* tPwd;
  toolkit::TextNode* txtSSIDPwd;
  toolkit::CheckBox* CheckBoxAutostart;
  toolkit::GroupBox* gbSetEx;
  toolkit::ComboBox* cbtPublicNet;
  toolkit::TextNode* Text1;
  toolkit::TextNode* Text2;
  toolkit::ComboBox* cbtPrivateNet;
  toolkit::PushButton* btnSetSave;
  toolkit::PushButton* btnSetBack;
  // feedback popup
  std::unique_ptr<toolkit::MessagePopup> msgSuggest;
  toolkit::Memo* MemoSuggest;
  toolkit::PushButton* btnSugEsc;
  toolkit::PushButton* btnSugOk;
  // rotations
  toolkit::FloatAnimation* FloatAnimation1;
  toolkit::FloatAnimation* FloatAnimation2;

 private:
  void BuildScreens();
  void BuildHome();
  void BuildRunning();
  void BuildSettings();
  void BuildFeedbackPopup();
  void BuildRotations();
  // A control's event that calls `handler` when it is set, and nothing once the form is gone
  // (the scene and its controls may outlive it).
  std::function<void()> Forward(std::function<void()>& handler);

  toolkit::Scene& scene_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ui
