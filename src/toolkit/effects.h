#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "toolkit/animation.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/color.h"
#include "toolkit/geometry.h"
#include "toolkit/mask.h"

namespace toolkit {

// Outer glow: the shape its node draws with its subtree, filled with `color` at `opacity`,
// blurred, drawn behind it. With `whileState`, shown only while the node is in that state
// (focused, pointer over).
struct GlowEffect {
  Color color = 0xFF000000;
  float opacity = 1;
  float softness = 0.4f;
  std::optional<NodeState> whileState;
  int BlurRadius() const;  // softness * 10 + 5, rounded
  int Extent() const;      // how far it reaches beyond the shape: softness * 23, rounded, + 4
};

// Drop shadow: like a glow, offset by `distance` pixels in `directionDegrees` (0 = right,
// 90 = down).
struct ShadowEffect {
  Color color = 0xFF000000;
  float opacity = 0.6f;
  float distance = 3;
  float directionDegrees = 45;
  float softness = 0.3f;
};

// The glow and shadow of one node, made from the picture of its whole subtree (its own content
// and its children's), as an effect wraps a subtree. The subtree's coverage (its alpha) is kept:
// a change in the subtree marks the area it touched, which is drawn again before the next frame,
// and the blurred pictures are made again only when the coverage there really changed.
class SubtreeEffects {
 public:
  // Draws the subtree at full opacity in the node's coordinates.
  using DrawSubtree = std::function<void(Canvas&)>;

  const std::optional<GlowEffect>& Glow() const { return glow_; }
  const std::optional<ShadowEffect>& Shadow() const { return shadow_; }
  void SetGlow(std::optional<GlowEffect> glow);
  void SetShadow(std::optional<ShadowEffect> shadow);
  bool Any() const { return glow_ || shadow_; }
  // How far the shown effects reach beyond the node's rectangle.
  float Extent(bool glowShown) const;
  // Everything is made again (the node's own picture or size changed).
  void Reset();
  // Something below the node changed within `local` (the node's coordinates).
  void SubtreeChanged(const RectF& local);
  bool Stale() const { return !stale_.IsEmpty(); }
  // Draws the stale area again; true when the coverage changed (the effects look different).
  bool Refresh(const DrawSubtree& draw);
  // Draws the shadow and, when shown, the glow, behind the node's content.
  void Paint(Canvas& canvas, bool glowShown, SizeF size, const DrawSubtree& draw);

 private:
  struct Blurred {
    Bitmap pixels;
    RectF place;  // in the node's coordinates
  };
  // The coverage, drawn when missing.
  const Mask& CoverageToBlur(SizeF size, const DrawSubtree& draw);
  static Blurred Blur(Mask coverage, int radius, Color color, float opacity);

  std::optional<GlowEffect> glow_;
  std::optional<ShadowEffect> shadow_;
  // The subtree's alpha; while blurred pictures exist, as they were made from it.
  std::optional<Mask> coverage_;
  RectI stale_;
  std::optional<Blurred> glowPicture_;
  std::optional<Blurred> shadowPicture_;
};

}  // namespace toolkit
