#include "toolkit/host.h"

namespace toolkit {
namespace {

class NoWindow : public SceneHost {
 public:
  void RequestRender() override {}
  void SetCursor(Cursor) override {}
  void MoveWindowBy(int, int) override {}
  void SetMouseCapture(bool) override {}
  void ShowTooltip(const std::wstring&, PointF) override {}
  void SetClockRunning(bool) override {}
  uint32_t TickCount() override { return 0; }
  void DispatchPendingMessages() override {}
  void WaitForMessages() override {}
  bool IsEnding() override { return true; }
  std::wstring ClipboardText() override { return {}; }
  void SetClipboardText(const std::wstring&) override {}
  std::unique_ptr<PopupWindow> OpenPopup(Scene&, PointF, bool) override { return nullptr; }
};

}  // namespace

SceneHost& DetachedHost() {
  static NoWindow host;
  return host;
}

}  // namespace toolkit
