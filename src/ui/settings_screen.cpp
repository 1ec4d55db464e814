#include "ui/form_parts.h"
#include "ui/main_form.h"
#include "ui/resources.h"

namespace ui {

using namespace toolkit;

namespace {

// The right-aligned white captions in front of the entries.
TextNode* AddEntryCaption(Node& group, std::string name, RectF bounds, const std::wstring& text) {
  auto* caption =
      AddText(group, std::move(name), bounds, text,
              {Tahoma(11, true), 0xFFFFFFFF, TextAlign::Trailing, TextAlign::Center, false});
  caption->SetHitTest(true);
  return caption;
}

GroupBox* AddGroup(Node& screen, std::string name, RectF bounds, const std::wstring& caption,
                   int tabOrder) {
  auto* group = screen.Add<GroupBox>(std::move(name), resources::gbStyleNone());
  group->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  group->SetFont(Tahoma(11, true));
  group->SetCaption(caption);
  group->SetHitTest(true);
  group->SetTabOrder(tabOrder);
  return group;
}

TextBox* AddEntry(Node& group, std::string name, RectF bounds, const std::wstring& text,
                  int tabOrder) {
  auto* box = group.Add<TextBox>(std::move(name), resources::txtBoxStyle());
  box->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  box->SetFont(Tahoma(11));
  box->SetText(text);
  box->SetTabOrder(tabOrder);
  return box;
}

ComboBox* AddCombo(Node& group, std::string name, RectF bounds, int tabOrder) {
  auto* combo = group.Add<ComboBox>(std::move(name), resources::ctbStyleNone());
  combo->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  combo->SetFont(Tahoma(11));
  combo->SetTabOrder(tabOrder);
  return combo;
}

PushButton* AddSetButton(Node& parent, std::string name, RectF bounds,
                         const std::wstring& caption) {
  auto* button = parent.Add<PushButton>(std::move(name), resources::btnSetStyleNone());
  button->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
  button->SetFont(Tahoma(11));
  button->SetCaption(caption);
  return button;
}

}  // namespace

void MainForm::BuildSettings() {
  gbBasic = AddGroup(*rglSet, "gbBasic", RectF::FromSize(8, 27, 312, 137), L"基本设置", 0);
  tSSIDName = AddEntry(*gbBasic, "tSSIDName", RectF::FromSize(106, 29, 161, 22), L"zentura", 0);
  txtSSIDName =
      AddEntryCaption(*gbBasic, "txtSSIDName", RectF::FromSize(15, 29, 88, 21), L"WIFI名称：");
  tPwd = AddEntry(*gbBasic, "tPwd", RectF::FromSize(106, 61, 161, 22), L"5831027469", 1);
  txtSSIDPwd = AddEntryCaption(*gbBasic, "txtSSIDPwd", RectF::FromSize(13, 62, 88, 21), L"密码：");
  CheckBoxAutostart = gbBasic->Add<CheckBox>("CheckBoxAutostart", resources::CheckBox1Style1());
  CheckBoxAutostart->SetBounds(106, 98, 161, 27);
  CheckBoxAutostart->SetFont(Tahoma(11));
  CheckBoxAutostart->SetCaption(L"是否开机启动");
  CheckBoxAutostart->SetTabOrder(2);
  CheckBoxAutostart->onChange = Forward(onAutostartChange);

  gbSetEx = AddGroup(*rglSet, "gbSetEx", RectF::FromSize(8, 193, 312, 144), L"高级设置", 1);
  cbtPublicNet = AddCombo(*gbSetEx, "cbtPublicNet", RectF::FromSize(132, 42, 156, 22), 0);
  Text1 = AddEntryCaption(*gbSetEx, "Text1", RectF::FromSize(19, 43, 109, 21), L"选择上网网卡：");
  Text2 = AddEntryCaption(*gbSetEx, "Text2", RectF::FromSize(19, 91, 109, 21), L"选择WIFI网卡：");
  cbtPrivateNet = AddCombo(*gbSetEx, "cbtPrivateNet", RectF::FromSize(132, 90, 156, 22), 1);

  btnSetSave = AddSetButton(*rglSet, "btnSetSave", RectF::FromSize(146, 361, 80, 22), L"保存设置");
  btnSetSave->SetRole(KeyRole::Default);
  btnSetSave->SetTabOrder(2);
  btnSetSave->onClick = Forward(onSetSaveClick);
  btnSetBack = AddSetButton(*rglSet, "btnSetBack", RectF::FromSize(240, 361, 80, 22), L"取消");
  btnSetBack->SetRole(KeyRole::Cancel);
  btnSetBack->SetTabOrder(3);
  btnSetBack->onClick = Forward(onSetBackClick);
}

}  // namespace ui
