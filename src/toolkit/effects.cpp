#include "toolkit/effects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "toolkit/mask.h"

namespace toolkit {

int GlowEffect::BlurRadius() const { return static_cast<int>(std::lround(softness * 10 + 5)); }
int GlowEffect::Extent() const { return static_cast<int>(std::lround(softness * 23)) + 4; }

void SubtreeEffects::SetGlow(std::optional<GlowEffect> glow) {
  glow_ = std::move(glow);
  glowPicture_.reset();
}

void SubtreeEffects::SetShadow(std::optional<ShadowEffect> shadow) {
  shadow_ = std::move(shadow);
  shadowPicture_.reset();
}

float SubtreeEffects::Extent(bool glowShown) const {
  float extent = 0;
  if (glow_ && glowShown) extent = static_cast<float>(glow_->Extent());
  if (shadow_) {
    const GlowEffect asGlow{shadow_->color, 1, shadow_->softness, {}};
    extent = std::max(extent, static_cast<float>(asGlow.Extent()) + shadow_->distance);
  }
  return extent;
}

void SubtreeEffects::Reset() {
  coverage_.reset();
  stale_ = {};
  glowPicture_.reset();
  shadowPicture_.reset();
}

void SubtreeEffects::SubtreeChanged(const RectF& local) {
  if (!coverage_) return;  // nothing kept yet
  const RectI area = RectI::Covering(local.Inflated(1)).Intersect(coverage_->bounds);
  if (!area.IsEmpty()) stale_ = stale_.Union(area);
}

namespace {

// The subtree's alpha within `area`, drawn into a picture of that area only.
Mask DrawCoverage(const RectI& area, const SubtreeEffects::DrawSubtree& draw) {
  Bitmap picture(area.Width(), area.Height());
  {
    Canvas canvas(picture);
    canvas.SetTransform(Affine::Translation(static_cast<float>(-area.left),
                                            static_cast<float>(-area.top)));
    draw(canvas);
  }
  Mask alpha;
  alpha.bounds = area;
  alpha.coverage.resize(static_cast<size_t>(area.Width()) * area.Height());
  for (size_t i = 0; i < alpha.coverage.size(); ++i)
    alpha.coverage[i] = static_cast<uint8_t>(picture.Data()[i] >> 24);
  return alpha;
}

}  // namespace

const Mask& SubtreeEffects::CoverageToBlur(SizeF size, const DrawSubtree& draw) {
  if (!coverage_) {
    coverage_ = DrawCoverage(
        {0, 0, static_cast<int>(std::ceil(size.width)), static_cast<int>(std::ceil(size.height))},
        draw);
    stale_ = {};
  }
  return *coverage_;
}

bool SubtreeEffects::Refresh(const DrawSubtree& draw) {
  if (!coverage_ || stale_.IsEmpty()) return false;
  const Mask fresh = DrawCoverage(stale_, draw);
  stale_ = {};
  const bool blurred = glowPicture_ || shadowPicture_;
  // Blending rounds: an alpha a step or two off is the same shape.
  constexpr int kTolerance = 4;
  bool changed = false;
  for (int y = fresh.bounds.top; y < fresh.bounds.bottom && !changed; ++y) {
    for (int x = fresh.bounds.left; x < fresh.bounds.right; ++x) {
      if (std::abs(fresh.At(x, y) - coverage_->At(x, y)) > kTolerance) {
        changed = true;
        break;
      }
    }
  }
  // While pictures exist the coverage stays what they were made from, unless it really changed.
  if (changed || !blurred) {
    const int width = coverage_->bounds.Width();
    for (int y = fresh.bounds.top; y < fresh.bounds.bottom; ++y) {
      std::copy_n(&fresh.coverage[static_cast<size_t>(y - fresh.bounds.top) * fresh.bounds.Width()],
                  fresh.bounds.Width(),
                  &coverage_->coverage[static_cast<size_t>(y) * width + fresh.bounds.left]);
    }
  }
  if (!changed || !blurred) return false;
  glowPicture_.reset();
  shadowPicture_.reset();
  return true;
}

SubtreeEffects::Blurred SubtreeEffects::Blur(Mask mask, int radius, Color color, float opacity) {
  BlurMask(mask, radius);
  Bitmap tinted(mask.bounds.Width(), mask.bounds.Height());
  const uint32_t pixel = PremultipliedPixel(color, opacity);
  for (size_t i = 0; i < mask.coverage.size(); ++i)
    tinted.Data()[i] = BlendOver(0, pixel, mask.coverage[i]);
  return {std::move(tinted),
          RectF{static_cast<float>(mask.bounds.left), static_cast<float>(mask.bounds.top),
                static_cast<float>(mask.bounds.right), static_cast<float>(mask.bounds.bottom)}};
}

void SubtreeEffects::Paint(Canvas& canvas, bool glowShown, SizeF size, const DrawSubtree& draw) {
  const bool glow = glow_ && glowShown;
  if (!glow && !shadow_) return;
  if (shadow_) {
    if (!shadowPicture_) {
      const GlowEffect blur{shadow_->color, shadow_->opacity, shadow_->softness, {}};
      shadowPicture_ =
          Blur(CoverageToBlur(size, draw), blur.BlurRadius(), shadow_->color, shadow_->opacity);
    }
    const float angle = shadow_->directionDegrees * 3.14159265f / 180.0f;
    const RectF place = shadowPicture_->place.Offset(shadow_->distance * std::cos(angle),
                                                     shadow_->distance * std::sin(angle));
    canvas.DrawImage(shadowPicture_->pixels, place);
  }
  if (glow) {
    if (!glowPicture_) {
      glowPicture_ =
          Blur(CoverageToBlur(size, draw), glow_->BlurRadius(), glow_->color, glow_->opacity);
    }
    canvas.DrawImage(glowPicture_->pixels, glowPicture_->place);
  }
}

}  // namespace toolkit
