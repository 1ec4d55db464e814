#pragma once

#include <memory>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/brush.h"
#include "toolkit/geometry.h"
#include "toolkit/mask.h"
#include "toolkit/path.h"

namespace toolkit {

// Software drawing into a premultiplied BGRA bitmap: anti-aliased filled paths, 1-px (or wider)
// outlines, gradients, images with any affine transform, group opacity layers.
// A current transform, opacity and clip rectangle apply to every call; Save/Restore keep them.
class Canvas {
 public:
  explicit Canvas(Bitmap& target);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  Bitmap& Target() { return *target_; }
  void Save();
  void Restore();

  const Affine& Transform() const { return state_.transform; }
  void SetTransform(const Affine& t) { state_.transform = t; }
  void Concat(const Affine& t) { state_.transform = state_.transform * t; }
  float Opacity() const { return state_.opacity; }
  void MultiplyOpacity(float factor) { state_.opacity *= factor; }
  void SetOpacity(float opacity) { state_.opacity = opacity; }
  const RectI& Clip() const { return state_.clip; }
  void IntersectClip(const RectI& deviceRect) { state_.clip = state_.clip.Intersect(deviceRect); }
  // Clips to a local rectangle (its device bounds when the transform rotates).
  void ClipLocal(const RectF& r) { IntersectClip(RectI::Covering(state_.transform.MapBounds(r))); }

  // Makes the clip area fully transparent.
  void Clear();
  void FillPath(const Path& path, const Brush& brush);
  void FillRect(const RectF& r, const Brush& brush);
  void FillRoundedRect(const RectF& r, float radius, const Brush& brush,
                       unsigned corners = kAllCorners);
  // Outline of `width` pixels drawn just inside `r`, so a 1-px outline covers whole pixels.
  void StrokeRoundedRect(const RectF& r, float radius, float width, Color color,
                         unsigned corners = kAllCorners);
  void StrokeEllipse(const RectF& r, float width, Color color);
  // A polyline of `width` pixels (each segment a quad; joins overlap).
  void StrokePolyline(const std::vector<PointF>& points, float width, Color color);
  // Draws `image` stretched into `dest` (local coordinates), bilinear-filtered.
  void DrawImage(const Bitmap& image, const RectF& dest, float opacity = 1.0f);
  // Coverage mask (device coordinates) filled with a brush given in local coordinates.
  void FillMask(const Mask& mask, const Brush& brush);

  // Everything drawn until PopLayer is composed at `opacity` as one picture.
  void PushLayer(float opacity);
  void PopLayer();

 private:
  struct State {
    Affine transform;
    float opacity = 1;
    RectI clip;
  };
  struct Layer {
    std::unique_ptr<Bitmap> pixels;
    Bitmap* below = nullptr;
    float opacity = 1;
    size_t stateDepth = 0;
  };

  Bitmap* target_;
  State state_;
  std::vector<State> saved_;
  std::vector<Layer> layers_;
};

}  // namespace toolkit
