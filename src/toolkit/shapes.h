#pragma once

#include <memory>
#include <string>

#include "toolkit/brush.h"
#include "toolkit/node.h"
#include "toolkit/path.h"
#include "toolkit/text_layout.h"

namespace toolkit {

// An invisible container: draws nothing, not hit-testable unless asked.
using Layout = Node;

// A rectangle with optional rounded corners, fill and inner outline. "Fill.Color" and
// "Stroke.Color" animate the solid fill and the outline.
class RectangleNode : public Node {
 public:
  using Node::Node;
  Brush fill = Brush::Solid(0xFFFFFFFF);
  Color strokeColor = kTransparent;
  float strokeWidth = 1;
  float cornerRadius = 0;
  unsigned corners = kAllCorners;

  void SetFill(Brush brush);
  void SetStroke(Color color, float width = 1);
  void SetCornerRadius(float radius);
  void Paint(Canvas& canvas) override;
  // Inside the rounded corners, when the fill is opaque.
  RectF OpaqueArea() const override;
  bool GetColor(std::string_view path, Color& value) const override;
  bool SetColor(std::string_view path, Color value) override;
};

// An ellipse filling the node's rectangle.
class EllipseNode : public RectangleNode {
 public:
  using RectangleNode::RectangleNode;
  void Paint(Canvas& canvas) override;
  RectF OpaqueArea() const override { return {}; }
  bool ContainsPoint(PointF local) const override;
};

// Any outline (local coordinates), filled and/or stroked.
class PathNode : public Node {
 public:
  using Node::Node;
  Path path;
  Brush fill = Brush::Solid(0xFFFFFFFF);
  void SetPath(Path p);
  void Paint(Canvas& canvas) override;
  bool GetColor(std::string_view path, Color& value) const override;
  bool SetColor(std::string_view path, Color value) override;
};

enum class ImageMode {
  Fit,      // centred at its own size, scaled down (never up) to fit, aspect kept
  Tile,     // repeated from the top-left corner
  Stretch,  // scaled to the node's size
};

class ImageNode : public Node {
 public:
  using Node::Node;
  void SetBitmap(std::shared_ptr<const Bitmap> bitmap);
  const std::shared_ptr<const Bitmap>& GetBitmap() const { return bitmap_; }
  void SetMode(ImageMode mode);
  // Where Fit places a picture of `picture` size in `area`.
  static RectF FitRect(SizeF picture, const RectF& area);
  void Paint(Canvas& canvas) override;
  std::optional<float> ContentRadius() const override;

 private:
  std::shared_ptr<const Bitmap> bitmap_;
  ImageMode mode_ = ImageMode::Fit;
  std::optional<float> radius_;  // of the opaque content, when drawn in Fit mode
};

// Text in a box, with the style's font, colour, alignments and wrapping.
class TextNode : public Node {
 public:
  using Node::Node;
  void SetText(std::wstring text);
  const std::wstring& Text() const { return text_; }
  void SetStyle(TextStyle style);
  const TextStyle& Style() const { return style_; }
  void SetColor(Color color);
  void SetFont(FontSpec font);
  void Paint(Canvas& canvas) override;
  bool GetColor(std::string_view path, Color& value) const override;
  bool SetColor(std::string_view path, Color value) override;

 protected:
  void OnResized() override { cache_.reset(); }

 private:
  std::wstring text_;
  TextStyle style_;
  std::unique_ptr<Bitmap> cache_;
};

// The radius around the centre of `bitmap` beyond which every pixel is fully transparent.
float OpaqueRadius(const Bitmap& bitmap);

}  // namespace toolkit
