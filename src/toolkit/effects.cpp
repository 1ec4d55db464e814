#include "toolkit/effects.h"

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
  blurredFrom_.clear();
  stale_ = {};
  glowPicture_.reset();
  shadowPicture_.reset();
}

void SubtreeEffects::SubtreeChanged(const RectF& local) {
  if (!coverage_) return;  // nothing kept yet
  const RectI area = RectI::Covering(local.Inflated(1)).Intersect(coverage_->Bounds());
  if (!area.IsEmpty()) stale_ = stale_.Union(area);
}

const Bitmap& SubtreeEffects::CoverageToBlur(SizeF size, const DrawSubtree& draw) {
  if (!coverage_) {
    coverage_.emplace(static_cast<int>(std::ceil(size.width)),
                      static_cast<int>(std::ceil(size.height)));
    Canvas canvas(*coverage_);
    draw(canvas);
    stale_ = {};
  }
  if (blurredFrom_.empty()) {
    blurredFrom_.resize(static_cast<size_t>(coverage_->Width()) * coverage_->Height());
    for (size_t i = 0; i < blurredFrom_.size(); ++i)
      blurredFrom_[i] = static_cast<uint8_t>(coverage_->Data()[i] >> 24);
  }
  return *coverage_;
}

bool SubtreeEffects::Refresh(const DrawSubtree& draw) {
  if (!coverage_ || stale_.IsEmpty()) return false;
  const RectI area = stale_;
  stale_ = {};
  {
    Canvas canvas(*coverage_);
    canvas.IntersectClip(area);
    canvas.Clear();
    draw(canvas);
  }
  if (blurredFrom_.empty()) return false;  // nothing blurred yet
  // Blending rounds: an alpha a step or two off is the same shape.
  constexpr int kTolerance = 4;
  const int width = coverage_->Width();
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const int now = static_cast<int>(coverage_->At(x, y) >> 24);
      if (std::abs(now - blurredFrom_[static_cast<size_t>(y) * width + x]) > kTolerance) {
        glowPicture_.reset();
        shadowPicture_.reset();
        blurredFrom_.clear();
        return true;
      }
    }
  }
  return false;
}

SubtreeEffects::Blurred SubtreeEffects::Blur(const Bitmap& coverage, int radius, Color color,
                                             float opacity) {
  Mask mask;
  mask.bounds = coverage.Bounds();
  mask.coverage.resize(static_cast<size_t>(coverage.Width()) * coverage.Height());
  for (size_t i = 0; i < mask.coverage.size(); ++i)
    mask.coverage[i] = static_cast<uint8_t>(coverage.Data()[i] >> 24);
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
