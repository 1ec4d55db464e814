#pragma once

#include <gtest/gtest.h>

#include "toolkit/headless_host.h"
#include "ui/main_form.h"
#include "unit/toolkit/test_support.h"

// The form in a headless window at the moment of its creation, clock at rest.
class FormTest : public ::testing::Test {
 protected:
  toolkit::HeadlessHost host{{ui::MainForm::kWidth, ui::MainForm::kHeight}, TestFonts()};
  ui::MainForm form{host.GetScene()};

  toolkit::Color PixelAt(int x, int y) {
    host.Render();
    return toolkit::StraightColor(host.Frame().At(x, y));
  }
  // How many pixels of a scene rectangle show `color`, each channel within `tolerance` (small
  // text rarely covers a pixel wholly).
  int CountColor(toolkit::RectI area, toolkit::Color color, int tolerance = 0) {
    host.Render();
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if (Near(toolkit::StraightColor(host.Frame().At(x, y)), color, tolerance)) ++count;
    return count;
  }
  static bool Near(toolkit::Color a, toolkit::Color b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
      const int da = static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF);
      if (da > tolerance || da < -tolerance) return false;
    }
    return true;
  }
  void Shot(const std::string& name) {
    host.Render();
    Snapshot(host.Frame(), name);
  }
};
