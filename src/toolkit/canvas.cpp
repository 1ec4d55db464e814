#include "toolkit/canvas.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace toolkit {
namespace {

// 256 premultiplied colours along a gradient's stops, at the given opacity.
std::array<uint32_t, 256> GradientTable(const std::vector<GradientStop>& stops, float opacity) {
  std::array<uint32_t, 256> table{};
  for (int i = 0; i < 256; ++i) {
    const float t = static_cast<float>(i) / 255.0f;
    Color c = stops.empty() ? 0 : stops.front().color;
    for (size_t s = 0; s + 1 < stops.size(); ++s) {
      const auto& a = stops[s];
      const auto& b = stops[s + 1];
      if (t >= a.offset && t <= b.offset) {
        const float span = b.offset - a.offset;
        c = LerpColor(a.color, b.color, span > 0 ? (t - a.offset) / span : 0);
        break;
      }
      if (t > b.offset) c = b.color;
    }
    table[static_cast<size_t>(i)] = PremultipliedPixel(c, opacity);
  }
  return table;
}

// Two premultiplied pixels mixed channel-wise, f from 0 (a) to 256 (b), two channels per step.
inline uint32_t LerpPixel(uint32_t a, uint32_t b, uint32_t f) {
  const uint32_t g = 256 - f;
  const uint32_t rb = ((a & 0x00FF00FFu) * g + (b & 0x00FF00FFu) * f) >> 8 & 0x00FF00FFu;
  const uint32_t ag = ((a >> 8 & 0x00FF00FFu) * g + (b >> 8 & 0x00FF00FFu) * f) & 0xFF00FF00u;
  return rb | ag;
}

}  // namespace

Canvas::Canvas(Bitmap& target) : target_(&target) { state_.clip = target.Bounds(); }
Canvas::~Canvas() {
  while (!layers_.empty()) PopLayer();
}

void Canvas::Save() { saved_.push_back(state_); }
void Canvas::Restore() {
  if (saved_.empty()) return;
  state_ = saved_.back();
  saved_.pop_back();
}

void Canvas::Clear() { target_->Fill(state_.clip, 0); }

void Canvas::FillMask(const Mask& mask, const Brush& brush) {
  if (!brush.IsVisible() || state_.opacity <= 0) return;
  const RectI area = mask.bounds.Intersect(state_.clip);
  if (area.IsEmpty()) return;
  const int maskWidth = mask.bounds.Width();
  if (brush.kind == Brush::Kind::Solid) {
    const uint32_t pixel = PremultipliedPixel(brush.color, state_.opacity);
    for (int y = area.top; y < area.bottom; ++y) {
      uint32_t* dst = target_->Row(y);
      const uint8_t* cov = &mask.coverage[static_cast<size_t>(y - mask.bounds.top) * maskWidth];
      for (int x = area.left; x < area.right; ++x)
        dst[x] = BlendOver(dst[x], pixel, cov[x - mask.bounds.left]);
    }
    return;
  }
  const auto table = GradientTable(brush.stops, state_.opacity);
  const Affine toLocal = state_.transform.Inverse();
  const float dx = brush.end.x - brush.start.x, dy = brush.end.y - brush.start.y;
  const float lengthSquared = dx * dx + dy * dy;
  for (int y = area.top; y < area.bottom; ++y) {
    uint32_t* dst = target_->Row(y);
    const uint8_t* cov = &mask.coverage[static_cast<size_t>(y - mask.bounds.top) * maskWidth];
    for (int x = area.left; x < area.right; ++x) {
      const uint8_t coverage = cov[x - mask.bounds.left];
      if (coverage == 0) continue;
      const PointF p = toLocal.Apply({static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f});
      float t = 0;
      if (brush.kind == Brush::Kind::Linear) {
        t = lengthSquared > 0
                ? ((p.x - brush.start.x) * dx + (p.y - brush.start.y) * dy) / lengthSquared
                : 0;
      } else {
        t = brush.radius > 0 ? std::hypot(p.x - brush.start.x, p.y - brush.start.y) / brush.radius
                             : 1;
      }
      const int index = static_cast<int>(std::clamp(t, 0.0f, 1.0f) * 255.0f + 0.5f);
      dst[x] = BlendOver(dst[x], table[static_cast<size_t>(index)], coverage);
    }
  }
}

void Canvas::FillPath(const Path& path, const Brush& brush) {
  if (!brush.IsVisible() || state_.clip.IsEmpty()) return;
  FillMask(RasterizeContours(path.Flatten(state_.transform), state_.clip), brush);
}

void Canvas::FillRect(const RectF& r, const Brush& brush) {
  Path p;
  p.AddRect(r);
  FillPath(p, brush);
}

void Canvas::FillRoundedRect(const RectF& r, float radius, const Brush& brush, unsigned corners) {
  Path p;
  p.AddRoundedRect(r, radius, radius, corners);
  FillPath(p, brush);
}

void Canvas::StrokeRoundedRect(const RectF& r, float radius, float width, Color color,
                               unsigned corners) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  Path p;
  p.AddRoundedRect(r, radius, radius, corners);
  const RectF inner = r.Inflated(-width);
  if (!inner.IsEmpty()) {
    Path hole;
    hole.AddRoundedRect(inner, std::max(0.0f, radius - width), std::max(0.0f, radius - width),
                        corners);
    for (auto& c : hole.Reversed().Flatten({})) p.AddPolygon(c);
  }
  FillPath(p, Brush::Solid(color));
}

void Canvas::StrokeEllipse(const RectF& r, float width, Color color) {
  Path p;
  p.AddEllipse(r);
  const RectF inner = r.Inflated(-width);
  if (!inner.IsEmpty()) {
    Path hole;
    hole.AddEllipse(inner);
    for (auto& c : hole.Reversed().Flatten({})) p.AddPolygon(c);
  }
  FillPath(p, Brush::Solid(color));
}

void Canvas::StrokePolyline(const std::vector<PointF>& points, float width, Color color) {
  Path p;
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    const PointF a = points[i], b = points[i + 1];
    const float len = std::hypot(b.x - a.x, b.y - a.y);
    if (len <= 0) continue;
    // Each quad is wound the same way, so overlaps at the joins stay filled once.
    const float nx = -(b.y - a.y) / len * width / 2, ny = (b.x - a.x) / len * width / 2;
    p.AddPolygon(
        {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}});
  }
  FillPath(p, Brush::Solid(color));
}

void Canvas::DrawImage(const Bitmap& image, const RectF& dest, float opacity) {
  opacity *= state_.opacity;
  if (image.IsEmpty() || dest.IsEmpty() || opacity <= 0) return;
  const float sx = dest.Width() / static_cast<float>(image.Width());
  const float sy = dest.Height() / static_cast<float>(image.Height());
  const Affine toDevice = state_.transform * Affine{sx, 0, 0, sy, dest.left, dest.top};
  const RectI covered =
      RectI::Covering(toDevice.MapBounds(RectF::FromSize(0, 0, static_cast<float>(image.Width()),
                                                         static_cast<float>(image.Height()))));
  const RectI area = covered.Intersect(state_.clip);
  if (area.IsEmpty()) return;
  const uint32_t coverage = static_cast<uint32_t>(std::lround(std::min(opacity, 1.0f) * 255.0f));

  // Whole-pixel placement at natural size: a straight copy with blending.
  if (toDevice.IsTranslation() && toDevice.e == std::floor(toDevice.e) &&
      toDevice.f == std::floor(toDevice.f)) {
    const int ox = static_cast<int>(toDevice.e), oy = static_cast<int>(toDevice.f);
    for (int y = area.top; y < area.bottom; ++y) {
      uint32_t* dst = target_->Row(y);
      const uint32_t* src = image.Row(y - oy);
      for (int x = area.left; x < area.right; ++x)
        dst[x] = BlendOver(dst[x], src[x - ox], coverage);
    }
    return;
  }

  // Any other transform: map each device pixel back into the image (16.16 fixed point),
  // bilinear, transparent outside. Each row starts from the picture's own left edge, so a pixel
  // comes out the same whatever the clip (a partial frame equals the full one).
  const Affine toImage = toDevice.Inverse();
  const int w = image.Width(), h = image.Height();
  const auto fetch = [&](int x, int y) -> uint32_t {
    return (x < 0 || y < 0 || x >= w || y >= h) ? 0 : image.At(x, y);
  };
  const auto du = static_cast<int32_t>(std::lround(toImage.a * 65536.0f));
  const auto dv = static_cast<int32_t>(std::lround(toImage.b * 65536.0f));
  for (int y = area.top; y < area.bottom; ++y) {
    uint32_t* dst = target_->Row(y);
    const PointF p =
        toImage.Apply({static_cast<float>(covered.left) + 0.5f, static_cast<float>(y) + 0.5f});
    const int32_t skipped = area.left - covered.left;
    auto u = static_cast<int32_t>(std::lround((p.x - 0.5f) * 65536.0f)) + skipped * du;
    auto v = static_cast<int32_t>(std::lround((p.y - 0.5f) * 65536.0f)) + skipped * dv;
    for (int x = area.left; x < area.right; ++x, u += du, v += dv) {
      const int x0 = u >> 16, y0 = v >> 16;
      if (x0 < -1 || y0 < -1 || x0 >= w || y0 >= h) continue;
      uint32_t p00, p10, p01, p11;
      if (x0 >= 0 && y0 >= 0 && x0 + 1 < w && y0 + 1 < h) {
        const uint32_t* row = image.Row(y0) + x0;
        p00 = row[0];
        p10 = row[1];
        p01 = row[w];
        p11 = row[w + 1];
      } else {
        p00 = fetch(x0, y0);
        p10 = fetch(x0 + 1, y0);
        p01 = fetch(x0, y0 + 1);
        p11 = fetch(x0 + 1, y0 + 1);
      }
      if ((p00 | p10 | p01 | p11) == 0) continue;
      const uint32_t fx = static_cast<uint32_t>(u & 0xFFFF) >> 8,
                     fy = static_cast<uint32_t>(v & 0xFFFF) >> 8;
      const uint32_t sample = LerpPixel(LerpPixel(p00, p10, fx), LerpPixel(p01, p11, fx), fy);
      dst[x] = BlendOver(dst[x], sample, coverage);
    }
  }
}

void Canvas::PushLayer(float opacity) {
  Layer layer;
  layer.pixels = std::make_unique<Bitmap>(target_->Width(), target_->Height());
  layer.below = target_;
  layer.opacity = opacity * state_.opacity;
  layer.stateDepth = saved_.size();
  target_ = layer.pixels.get();
  Save();
  state_.opacity = 1;
  layers_.push_back(std::move(layer));
}

void Canvas::PopLayer() {
  if (layers_.empty()) return;
  Layer layer = std::move(layers_.back());
  layers_.pop_back();
  while (saved_.size() > layer.stateDepth) Restore();
  target_ = layer.below;
  const uint32_t coverage =
      static_cast<uint32_t>(std::lround(std::clamp(layer.opacity, 0.0f, 1.0f) * 255.0f));
  const RectI area = state_.clip;
  for (int y = area.top; y < area.bottom; ++y) {
    uint32_t* dst = target_->Row(y);
    const uint32_t* src = layer.pixels->Row(y);
    for (int x = area.left; x < area.right; ++x) dst[x] = BlendOver(dst[x], src[x], coverage);
  }
}

}  // namespace toolkit
