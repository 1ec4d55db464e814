#pragma once

#include <memory>

#include "toolkit/host.h"
#include "toolkit/scene.h"
#include "toolkit/widgets/styles.h"

namespace toolkit {

// A modal message popup in a borderless window of its own, placed relative to its owner's
// window and moved with it. Build the controls into Body(); a button calls Close(result).
class MessagePopup {
 public:
  static constexpr int kResultNone = 0;
  static constexpr int kResultEnding = 2;

  MessagePopup(Scene& owner, SizeF size, MessagePopupStyle style = {});
  ~MessagePopup();

  Scene& Content() { return *content_; }
  // The sliding container of the popup's controls (fills the popup).
  Node& Body() { return *body_; }
  // Top-left corner in the owner's coordinates.
  void SetPlacement(PointF ownerPoint) { placement_ = ownerPoint; }
  // Whether Esc and a loss of activation leave it open (they close it with 2 when not).
  bool staysOpen = true;

  // Opens the popup with its opening slide and disables the owner's scene (dimmed, every press
  // drags); dispatches messages until Close() or the application's end (result 2); then runs the
  // closing slide to its end, removes the window, enables the owner and returns the result.
  int PopupModal();
  void Close(int modalResult);
  bool IsOpen() const { return window_ != nullptr; }

 private:
  Scene& owner_;
  MessagePopupStyle style_;
  std::unique_ptr<Scene> content_;
  Node* body_;
  PointF placement_;
  std::unique_ptr<PopupWindow> window_;
  int result_ = kResultNone;
};

}  // namespace toolkit
