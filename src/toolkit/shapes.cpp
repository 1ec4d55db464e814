#include "toolkit/shapes.h"

#include <algorithm>
#include <cmath>

#include "toolkit/font.h"

namespace toolkit {
namespace {

bool Is(std::string_view a, std::string_view b) { return PropertyPathIs(a, b); }

}  // namespace

void RectangleNode::SetFill(Brush brush) {
  fill = std::move(brush);
  ContentChanged();
}

void RectangleNode::SetStroke(Color color, float width) {
  strokeColor = color;
  strokeWidth = width;
  ContentChanged();
}

void RectangleNode::SetCornerRadius(float radius) {
  cornerRadius = radius;
  ContentChanged();
}

void RectangleNode::Paint(Canvas& canvas) {
  const RectF r = LocalRect();
  canvas.FillRoundedRect(r, cornerRadius, fill, corners);
  if (AlphaOf(strokeColor) != 0 && strokeWidth > 0) {
    canvas.StrokeRoundedRect(r, cornerRadius, strokeWidth, strokeColor, corners);
  }
}

RectF RectangleNode::OpaqueArea() const {
  bool opaque = fill.kind == Brush::Kind::Solid && AlphaOf(fill.color) == 255;
  if (fill.kind == Brush::Kind::Linear || fill.kind == Brush::Kind::Radial) {
    opaque = !fill.stops.empty() && std::all_of(fill.stops.begin(), fill.stops.end(),
                                                [](const GradientStop& s) {
                                                  return AlphaOf(s.color) == 255;
                                                });
  }
  // A pixel of anti-aliased edge lies inside the rectangle too.
  return opaque ? LocalRect().Inflated(-std::max(cornerRadius, 0.0f) - 1) : RectF{};
}

bool RectangleNode::GetColor(std::string_view path, Color& value) const {
  if (Is(path, "Fill.Color"))
    value = fill.color;
  else if (Is(path, "Stroke.Color"))
    value = strokeColor;
  else
    return false;
  return true;
}

bool RectangleNode::SetColor(std::string_view path, Color value) {
  if (Is(path, "Fill.Color")) {
    fill.kind = Brush::Kind::Solid;
    fill.color = value;
  } else if (Is(path, "Stroke.Color")) {
    strokeColor = value;
  } else {
    return false;
  }
  ContentChanged();
  return true;
}

void EllipseNode::Paint(Canvas& canvas) {
  Path p;
  p.AddEllipse(LocalRect());
  canvas.FillPath(p, fill);
  if (AlphaOf(strokeColor) != 0 && strokeWidth > 0)
    canvas.StrokeEllipse(LocalRect(), strokeWidth, strokeColor);
}

bool EllipseNode::ContainsPoint(PointF p) const {
  const float rx = Width() / 2, ry = Height() / 2;
  if (rx <= 0 || ry <= 0) return false;
  const float dx = (p.x - rx) / rx, dy = (p.y - ry) / ry;
  return dx * dx + dy * dy <= 1;
}

void PathNode::SetPath(Path p) {
  path = std::move(p);
  ContentChanged();
}

void PathNode::Paint(Canvas& canvas) { canvas.FillPath(path, fill); }

bool PathNode::GetColor(std::string_view p, Color& value) const {
  if (!Is(p, "Fill.Color")) return false;
  value = fill.color;
  return true;
}

bool PathNode::SetColor(std::string_view p, Color value) {
  if (!Is(p, "Fill.Color")) return false;
  fill = Brush::Solid(value);
  ContentChanged();
  return true;
}

float OpaqueRadius(const Bitmap& bitmap) {
  const float cx = static_cast<float>(bitmap.Width()) / 2,
              cy = static_cast<float>(bitmap.Height()) / 2;
  float best = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.At(x, y) == 0) continue;
      // Farthest corner of the pixel.
      const float dx =
          std::max(std::abs(static_cast<float>(x) - cx), std::abs(static_cast<float>(x + 1) - cx));
      const float dy =
          std::max(std::abs(static_cast<float>(y) - cy), std::abs(static_cast<float>(y + 1) - cy));
      best = std::max(best, std::sqrt(dx * dx + dy * dy));
    }
  }
  return best;
}

void ImageNode::SetBitmap(std::shared_ptr<const Bitmap> bitmap) {
  bitmap_ = std::move(bitmap);
  radius_.reset();
  if (bitmap_) radius_ = OpaqueRadius(*bitmap_);
  ContentChanged();
}

void ImageNode::SetMode(ImageMode mode) {
  mode_ = mode;
  ContentChanged();
}

RectF ImageNode::FitRect(SizeF picture, const RectF& area) {
  if (picture.width <= 0 || picture.height <= 0) return {};
  const float scale =
      std::min({1.0f, area.Width() / picture.width, area.Height() / picture.height});
  const float w = picture.width * scale, h = picture.height * scale;
  // Whole-pixel placement keeps unscaled pictures sharp.
  const float x = std::round(area.left + (area.Width() - w) / 2);
  const float y = std::round(area.top + (area.Height() - h) / 2);
  return RectF::FromSize(x, y, w, h);
}

void ImageNode::Paint(Canvas& canvas) {
  if (!bitmap_ || bitmap_->IsEmpty()) return;
  const float bw = static_cast<float>(bitmap_->Width()), bh = static_cast<float>(bitmap_->Height());
  switch (mode_) {
    case ImageMode::Fit:
      canvas.DrawImage(*bitmap_, FitRect({bw, bh}, LocalRect()));
      break;
    case ImageMode::Stretch:
      canvas.DrawImage(*bitmap_, LocalRect());
      break;
    case ImageMode::Tile:
      canvas.Save();
      canvas.ClipLocal(LocalRect());
      for (float y = 0; y < Height(); y += bh) {
        for (float x = 0; x < Width(); x += bw)
          canvas.DrawImage(*bitmap_, RectF::FromSize(x, y, bw, bh));
      }
      canvas.Restore();
      break;
  }
}

std::optional<float> ImageNode::ContentRadius() const {
  if (mode_ != ImageMode::Fit || !bitmap_ || !radius_) return std::nullopt;
  const RectF placed = FitRect(
      {static_cast<float>(bitmap_->Width()), static_cast<float>(bitmap_->Height())}, LocalRect());
  const float scale = placed.Width() / static_cast<float>(bitmap_->Width());
  // Off-centre placement (rounding) moves the content by up to a pixel.
  return *radius_ * scale + 1.0f;
}

void TextNode::SetText(std::wstring text) {
  if (text == text_) return;
  text_ = std::move(text);
  cache_.reset();
  ContentChanged();
}

void TextNode::SetStyle(TextStyle style) {
  style_ = std::move(style);
  cache_.reset();
  ContentChanged();
}

void TextNode::SetColor(Color color) {
  if (color == style_.color) return;
  style_.color = color;
  cache_.reset();
  ContentChanged();
}

void TextNode::SetFont(FontSpec font) {
  TextStyle s = style_;
  s.font = std::move(font);
  SetStyle(std::move(s));
}

void TextNode::Paint(Canvas& canvas) {
  FontLibrary* fonts = Fonts();
  if (fonts == nullptr || text_.empty()) return;
  if (!cache_) cache_ = std::make_unique<Bitmap>(RenderText(*fonts, text_, style_, Size()));
  canvas.DrawImage(*cache_, RectF::FromSize(0, 0, static_cast<float>(cache_->Width()),
                                            static_cast<float>(cache_->Height())));
}

bool TextNode::GetColor(std::string_view path, Color& value) const {
  if (!Is(path, "Color") && !Is(path, "TextSettings.FontColor")) return false;
  value = style_.color;
  return true;
}

bool TextNode::SetColor(std::string_view path, Color value) {
  if (!Is(path, "Color") && !Is(path, "TextSettings.FontColor")) return false;
  SetColor(value);
  return true;
}

}  // namespace toolkit
