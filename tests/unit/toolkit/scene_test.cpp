#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/headless_host.h"
#include "toolkit/shapes.h"

namespace {

using namespace toolkit;

class SceneTest : public ::testing::Test {
 protected:
  HeadlessHost host{{348, 413}, TestFonts()};
  Scene& scene = host.GetScene();
  Node& root = scene.Root();

  RectangleNode* AddBox(Node& parent, const char* name, RectF r, Color fill, bool hit) {
    auto* n = parent.Add<RectangleNode>(name);
    n->SetBounds(r.left, r.top, r.Width(), r.Height());
    n->SetFill(Brush::Solid(fill));
    n->SetHitTest(hit);
    return n;
  }
};

TEST_F(SceneTest, PressGoesToTopmostHitTestableNodeChildrenBeforeParent) {
  auto* screen = AddBox(root, "screen", {10, 10, 338, 403}, 0xFFF35947, false);
  auto* bar = AddBox(*screen, "bar", {0, 300, 328, 393}, 0x40FFFFFF, true);
  auto* button = AddBox(*bar, "button", {11, 16, 97, 82}, 0, true);
  auto* glyph = AddBox(*button, "glyph", {20, 10, 60, 40}, 0xFFFFFFFF, false);
  auto* cover = AddBox(*screen, "cover", {200, 300, 260, 340}, 0xFF000000, true);
  EXPECT_EQ(scene.NodeAt({40, 340}), button);  // child before parent; glyph not hit-testable
  EXPECT_EQ(scene.NodeAt({300, 380}), bar);
  EXPECT_EQ(scene.NodeAt({215, 315}), cover);    // drawn later, so on top
  EXPECT_EQ(scene.NodeAt({100, 100}), nullptr);  // screen background: no hit-testable node
  cover->SetEnabled(false);
  EXPECT_EQ(scene.NodeAt({215, 315}), bar);  // a disabled node takes nothing
  button->SetVisible(false);
  EXPECT_EQ(scene.NodeAt({40, 340}), bar);
  (void)glyph;
}

TEST_F(SceneTest, RotatedNodeIsHitInItsOwnFrame) {
  auto* bar = AddBox(root, "bar", {100, 190, 300, 210}, 0xFFFFFFFF, true);
  bar->SetRotationAngle(90);  // now a vertical bar through (200, 200)
  EXPECT_EQ(scene.NodeAt({200, 120}), bar);
  EXPECT_EQ(scene.NodeAt({120, 200}), nullptr);
}

TEST_F(SceneTest, PressOnNothingDragsTheWindowUntilRelease) {
  AddBox(root, "button", {0, 0, 50, 50}, 0xFFFFFFFF, true);
  scene.MouseDown({100, 100}, MouseButton::Left);
  EXPECT_TRUE(scene.Dragging());
  scene.MouseMove({110, 95});
  EXPECT_EQ(host.windowPosition.x, 10);
  EXPECT_EQ(host.windowPosition.y, -5);
  // The window moved, so the pointer is back over the pressed point in window coordinates.
  scene.MouseMove({100.4f, 100});
  EXPECT_EQ(host.windowPosition.x, 10);
  scene.MouseUp({100, 100}, MouseButton::Left);
  EXPECT_FALSE(scene.Dragging());
  scene.MouseMove({150, 150});
  EXPECT_EQ(host.windowPosition.x, 10);
  // The right button drags too; a press on the button does not.
  scene.MouseDown({100, 100}, MouseButton::Right);
  EXPECT_TRUE(scene.Dragging());
  scene.MouseMove({103, 100});
  EXPECT_EQ(host.windowPosition.x, 13);
  scene.MouseUp({103, 100}, MouseButton::Right);
  EXPECT_FALSE(scene.Dragging());
  scene.MouseDown({20, 20}, MouseButton::Left);
  EXPECT_FALSE(scene.Dragging());
  scene.MouseUp({20, 20}, MouseButton::Left);
}

TEST_F(SceneTest, ClickNeedsReleaseOverThePressedNodeAndCaptureHoldsMeanwhile) {
  auto* a = AddBox(root, "a", {0, 0, 50, 50}, 0xFFFFFFFF, true);
  auto* b = AddBox(root, "b", {60, 0, 110, 50}, 0xFFFFFFFF, true);
  int clicksA = 0, clicksB = 0;
  a->onClick = [&] { ++clicksA; };
  b->onClick = [&] { ++clicksB; };
  host.Click({10, 10});
  EXPECT_EQ(clicksA, 1);
  scene.MouseDown({10, 10}, MouseButton::Left);
  EXPECT_TRUE(host.mouseCaptured);
  EXPECT_TRUE(a->State(NodeState::Pressed));
  scene.MouseMove({70, 10});
  EXPECT_FALSE(b->State(NodeState::MouseOver));  // captured by a
  scene.MouseUp({70, 10}, MouseButton::Left);
  EXPECT_EQ(clicksA, 1);
  EXPECT_EQ(clicksB, 0);
  EXPECT_FALSE(a->State(NodeState::Pressed));
  // Another window took the mouse mid-press: the press ends without a click, and the next one
  // is taken.
  scene.MouseDown({10, 10}, MouseButton::Left);
  scene.CaptureLost();
  EXPECT_FALSE(a->State(NodeState::Pressed));
  EXPECT_EQ(clicksA, 1);
  host.Click({70, 10});
  EXPECT_EQ(clicksB, 1);
}

TEST_F(SceneTest, HoverEnterLeaveCursorAndTooltip) {
  auto* a = AddBox(root, "a", {0, 0, 50, 50}, 0xFFFFFFFF, true);
  a->SetCursor(Cursor::Hand);
  a->SetTooltip(L"一键开启WIFI");
  scene.MouseMove({10, 10});
  EXPECT_TRUE(a->State(NodeState::MouseOver));
  EXPECT_EQ(host.cursor, Cursor::Hand);
  EXPECT_EQ(host.tooltip, L"一键开启WIFI");
  scene.MouseMove({100, 100});
  EXPECT_FALSE(a->State(NodeState::MouseOver));
  EXPECT_EQ(host.cursor, Cursor::Arrow);
  EXPECT_EQ(host.tooltip, L"");
}

TEST_F(SceneTest, OpacityMultipliesDownTheTree) {
  auto* outer = AddBox(root, "outer", {0, 0, 100, 100}, 0x00000000, false);
  auto* inner = AddBox(*outer, "inner", {10, 10, 60, 60}, 0xFFFFFFFF, false);
  outer->SetOpacity(0.5f);
  inner->SetOpacity(0.5f);
  host.Render();
  EXPECT_NEAR(AlphaAt(host.Frame(), 30, 30), 64, 1);
  // Disabled content is dimmed by 0.8 per level below the disabled node.
  outer->SetOpacity(1);
  inner->SetOpacity(1);
  root.SetDisabledOpacity(1);
  outer->SetDisabledOpacity(1);
  root.SetEnabled(false);
  host.Render();
  EXPECT_NEAR(AlphaAt(host.Frame(), 30, 30), 204, 1);
}

TEST_F(SceneTest, AlignmentIsReappliedWhenAChildsVisibilityChanges) {
  auto* home = AddBox(root, "home", {}, 0xFFF35947, false);
  auto* settings = AddBox(root, "settings", {}, 0xFFF35947, false);
  home->SetAlign(Align::Client, {10, 10, 10, 10});
  settings->SetAlign(Align::Client, {10, 10, 10, 10});
  EXPECT_EQ(home->Position().x, 10);
  EXPECT_EQ(home->Width(), 328);
  EXPECT_EQ(home->Height(), 393);
  home->SetX(-330);  // a slide does not re-lay out
  EXPECT_EQ(home->Position().x, -330);
  home->SetVisible(false);
  EXPECT_EQ(home->Position().x, -330);  // a hidden screen is left where it is
  settings->SetY(413);
  home->SetVisible(true);
  EXPECT_EQ(home->Position().x, 10);
  EXPECT_EQ(settings->Position().y, 10);  // every visible aligned child is laid out again

  auto* bar = home->Add<RectangleNode>("bar");
  bar->SetSize({10, 93});
  bar->SetAlign(Align::Bottom);
  EXPECT_EQ(bar->Position().y, 300);
  EXPECT_EQ(bar->Width(), 328);
  auto* ring = home->Add<RectangleNode>("ring");
  ring->SetSize({193, 193});
  ring->SetAlign(Align::Center);
  EXPECT_EQ(ring->Position().x, (328 - 193) / 2.0f);
}

TEST_F(SceneTest, OnlyTheChangedAreaIsRedrawnAndNothingWhenIdle) {
  AddBox(root, "screen", {10, 10, 338, 403}, 0xFF6A51C1, false);
  auto* ring = AddBox(root, "ring", {100, 100, 200, 200}, 0xFFFFFFFF, false);
  host.Render();
  const int renders = scene.RenderCount();
  EXPECT_TRUE(host.Render().IsEmpty());
  EXPECT_EQ(scene.RenderCount(), renders);
  ring->SetRotationAngle(45);
  const RectI redrawn = host.Render();
  EXPECT_FALSE(redrawn.IsEmpty());
  EXPECT_GE(redrawn.left, 75);
  EXPECT_LE(redrawn.right, 225);
  EXPECT_EQ(StraightColor(host.Frame().At(150, 150)), 0xFFFFFFFFu);
  EXPECT_EQ(StraightColor(host.Frame().At(101, 101)), 0xFF6A51C1u);  // old corner repainted
}

TEST_F(SceneTest, LiveAreaFollowsTheShownNodeAndIsRedrawnWhenItEnds) {
  auto* panel = AddBox(root, "panel", {0, 70, 328, 295}, 0xFF6A51C1, false);
  auto* ring = AddBox(*panel, "ring", {68, 16, 261, 209}, 0xFFFFFFFF, false);
  EXPECT_TRUE(scene.LiveArea().IsEmpty());
  scene.SetLiveNode(ring);
  EXPECT_EQ(scene.LiveArea(), (RectI{67, 85, 262, 280}));
  panel->SetPosition({10, 0});  // the panel slides: the area goes along
  EXPECT_EQ(scene.LiveArea(), (RectI{77, 15, 272, 210}));
  panel->SetVisible(false);
  EXPECT_TRUE(scene.LiveArea().IsEmpty());
  panel->SetVisible(true);
  host.Render();
  scene.SetLiveNode(nullptr);  // the window shows the area its usual way again
  EXPECT_EQ(host.Render(), (RectI{77, 15, 272, 210}));
}

TEST_F(SceneTest, TabOrderDefaultAndCancelKeys) {
  auto* group = root.Add<Layout>("group");
  auto* second = AddBox(*group, "second", {0, 0, 10, 10}, 0, true);
  auto* first = AddBox(*group, "first", {0, 20, 10, 30}, 0, true);
  auto* save = AddBox(root, "save", {0, 40, 10, 50}, 0, true);
  auto* back = AddBox(root, "back", {0, 60, 10, 70}, 0, true);
  for (Node* n : {static_cast<Node*>(second), static_cast<Node*>(first), static_cast<Node*>(save),
                  static_cast<Node*>(back)})
    n->SetCanFocus(true);
  second->SetTabOrder(1);
  first->SetTabOrder(0);
  save->SetTabOrder(1);
  back->SetTabOrder(2);
  save->SetRole(KeyRole::Default);
  back->SetRole(KeyRole::Cancel);
  int saves = 0, backs = 0;
  save->onClick = [&] { ++saves; };
  back->onClick = [&] { ++backs; };
  host.Press(keys::kTab);
  EXPECT_EQ(scene.Focused(), first);
  host.Press(keys::kTab);
  EXPECT_EQ(scene.Focused(), second);
  host.Press(keys::kTab);
  EXPECT_EQ(scene.Focused(), save);
  host.Press(keys::kTab, {true});
  EXPECT_EQ(scene.Focused(), second);
  first->SetVisible(false);
  host.Press(keys::kTab);
  host.Press(keys::kTab);
  host.Press(keys::kTab);
  EXPECT_EQ(scene.Focused(), second);  // wrapped round, skipping the hidden one
  host.Press(keys::kReturn);
  host.Press(keys::kEscape);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(backs, 1);
  save->SetVisible(false);
  EXPECT_FALSE(scene.KeyDown(keys::kReturn));
  EXPECT_EQ(saves, 1);
}

TEST_F(SceneTest, HeldInputOnlyDragsAndKeepsRequestsForTheEndOfTheOutermostHold) {
  InputHold hold;
  host.inputHold = &hold;
  auto* button = AddBox(root, "button", {0, 0, 50, 50}, 0xFFFFFFFF, true);
  button->SetRole(KeyRole::Default);
  button->SetCanFocus(true);
  int clicks = 0, previews = 0, closes = 0;
  button->onClick = [&] { ++clicks; };
  scene.onKeyPreview = [&](uint16_t, Modifiers) {
    ++previews;
    return false;
  };
  host.Render();
  const Color before = StraightColor(host.Frame().At(20, 20));
  {
    InputHold::Scope outer(hold);
    scene.MouseDown({20, 20}, MouseButton::Left);  // on the button: drags instead
    scene.MouseMove({25, 20});
    scene.MouseUp({25, 20}, MouseButton::Left);
    EXPECT_EQ(host.windowPosition.x, 5);
    EXPECT_FALSE(scene.KeyDown(keys::kReturn));  // a key goes on to the system (Alt+F4)
    scene.FocusNext(false);
    EXPECT_EQ(scene.Focused(), nullptr);
    root.Invalidate();
    host.Render();
    EXPECT_EQ(StraightColor(host.Frame().At(20, 20)), before);  // not dimmed
    EXPECT_TRUE(hold.Defer([&] { ++closes; }));
    {
      InputHold::Scope inner(hold);
    }
    EXPECT_EQ(closes, 0);  // still held by the outer wait
  }
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(hold.Defer([&] { ++closes; }));  // not held: the caller acts now
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(previews, 0);
  host.Click({20, 20});
  EXPECT_EQ(clicks, 1);
}

}  // namespace
