#include "toolkit/headless_host.h"

#include <cmath>

namespace toolkit {
namespace {

class HeadlessPopup : public PopupWindow {
 public:
  explicit HeadlessPopup(std::shared_ptr<HeadlessHost::OpenedPopup> record)
      : record_(std::move(record)) {}
  ~HeadlessPopup() override { record_->open = false; }
  void MoveTo(PointF p) override { record_->position = p; }

 private:
  std::shared_ptr<HeadlessHost::OpenedPopup> record_;
};

}  // namespace

HeadlessHost::HeadlessHost(SizeF size, FontLibrary& fonts)
    : frame_(static_cast<int>(std::ceil(size.width)), static_cast<int>(std::ceil(size.height))),
      scene_(std::make_unique<Scene>(size, fonts, *this)) {}

HeadlessHost::~HeadlessHost() { scene_.reset(); }

bool HeadlessHost::ClockRunning() const {
  if (scene_->Clock().Running()) return true;
  for (const auto& p : popups_) {
    if (p->open && p->scene->Clock().Running()) return true;
  }
  return false;
}

void HeadlessHost::Advance(uint32_t ms) {
  for (uint32_t i = 0; i < ms; ++i) {
    ++now_;
    if (!ClockRunning()) {
      sinceTick_ = 0;
      continue;
    }
    if (++sinceTick_ >= AnimationClock::kIntervalMs) {
      sinceTick_ = 0;
      // Popup windows have timers of their own; here one clock drives every open scene.
      const auto popups = popups_;
      for (const auto& p : popups) {
        if (p->open) p->scene->Tick();
      }
      scene_->Tick();
      Render();
    }
  }
}

void HeadlessHost::DispatchPendingMessages() {
  ++dispatches_;
  Wait();
}

void HeadlessHost::WaitForMessages() {
  ++sleepingWaits_;
  Wait();
}

void HeadlessHost::Wait() {
  if (onDispatch) {
    onDispatch();
  } else {
    Advance(AnimationClock::kIntervalMs);
  }
}

void HeadlessHost::Click(PointF p, MouseButton button) {
  scene_->MouseMove(p);
  scene_->MouseDown(p, button);
  scene_->MouseUp(p, button);
}

void HeadlessHost::Press(uint16_t key, Modifiers modifiers) {
  scene_->KeyDown(key, modifiers);
  if (key == keys::kReturn) scene_->Char(L'\r');
  if (key == keys::kEscape) scene_->Char(L'\x1b');
  if (key == keys::kTab) scene_->Char(L'\t');
}

void HeadlessHost::Type(const std::wstring& text) {
  for (wchar_t ch : text) {
    scene_->KeyDown(static_cast<uint16_t>(ch >= L'a' && ch <= L'z' ? ch - 32 : ch));
    scene_->Char(ch);
  }
}

void HeadlessHost::MoveWindowBy(int dx, int dy) {
  windowPosition.x += static_cast<float>(dx);
  windowPosition.y += static_cast<float>(dy);
}

std::unique_ptr<PopupWindow> HeadlessHost::OpenPopup(Scene& content, PointF ownerPoint,
                                                     bool activate) {
  auto record = std::make_shared<OpenedPopup>(
      OpenedPopup{&content, ownerPoint, activate, true,
                  Bitmap(static_cast<int>(std::ceil(content.Size().width)),
                         static_cast<int>(std::ceil(content.Size().height)))});
  content.RenderAll(record->firstFrame);
  popups_.push_back(record);
  return std::make_unique<HeadlessPopup>(record);
}

Scene* HeadlessHost::OpenPopupScene() const {
  for (auto it = popups_.rbegin(); it != popups_.rend(); ++it) {
    if ((*it)->open) return (*it)->scene;
  }
  return nullptr;
}

}  // namespace toolkit
