#pragma once

#include <memory>
#include <string>

#include "toolkit/shapes.h"
#include "toolkit/widgets/styles.h"

namespace toolkit {

// A caption child laid over `parent` less `inset`, not hit-testable, centred both ways.
TextNode* AddCaption(Node& parent, const TextStyle& style, Margins inset);
// Adds the style's colour transitions to `node` as triggered animations of `path`.
void AddTransitions(Node& node, const std::string& path,
                    const std::vector<ColorTransition>& transitions);

enum class GlyphPosition { Top, Center };

// A button showing a glyph (on top, or centred) and a caption. Hand cursor, hit-testable.
class BitmapButton : public RectangleNode {
 public:
  explicit BitmapButton(std::string name, BitmapButtonStyle style = {});
  // `area`: the glyph's square when centred (defaults to the glyph's own size).
  void SetGlyph(std::shared_ptr<const Bitmap> glyph, GlyphPosition position,
                std::optional<SizeF> area = {});
  void SetCaption(std::wstring caption);
  void SetFont(FontSpec font);
  ImageNode& Glyph() { return *glyph_; }
  TextNode& Caption() { return *caption_; }

 protected:
  void OnResized() override { LayoutParts(); }

 private:
  void LayoutParts();
  BitmapButtonStyle style_;
  ImageNode* glyph_;
  TextNode* caption_;
  GlyphPosition position_ = GlyphPosition::Top;
  std::optional<SizeF> area_;
};

// A button drawn as one of three pictures: normal, hot (pointer over) and down (pressed),
// centred at their own size and scaled down only when larger than the button.
class ImageStateButton : public Node {
 public:
  explicit ImageStateButton(std::string name);
  void SetImages(std::shared_ptr<const Bitmap> normal, std::shared_ptr<const Bitmap> hot,
                 std::shared_ptr<const Bitmap> down);
  void Paint(Canvas& canvas) override;
  void OnStateChanged(NodeState state) override;

 private:
  std::shared_ptr<const Bitmap> normal_, hot_, down_;
};

// A rectangular button with a caption; SetRole makes it the default (Enter) or cancel (Esc) one.
class PushButton : public RectangleNode {
 public:
  explicit PushButton(std::string name, PushButtonStyle style = {});
  void SetCaption(std::wstring caption);
  void SetFont(FontSpec font);
  TextNode& Caption() { return *caption_; }
  void OnKeyDown(uint16_t& key, Modifiers modifiers) override;

 private:
  PushButtonStyle style_;
  TextNode* caption_;
};

// Text on one or more lines in the built-in label style (word wrap on).
class Label : public TextNode {
 public:
  explicit Label(std::string name, LabelStyle style = {});
};

}  // namespace toolkit
