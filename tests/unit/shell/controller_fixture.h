#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakes/hotspot/fake_mobile_hotspot.h"
#include "fakes/netcon/fake_netcon_world.h"
#include "fakes/netcon/fake_sharing_platform.h"
#include "fakes/netcon/netcon_script.h"
#include "fakes/shell/fake_ports.h"
#include "fakes/wlan/fake_wlan_api.h"
#include "sharing/nt_firewall.h"
#include "shell/settings_keys.h"
#include "shell/untMain.h"

// A whole controller on fakes, with a scripted world of network connections. Every test ends
// with the controller and the sharing manager gone and no COM reference or properties block
// left behind.
struct ControllerTest : ::testing::Test {
  void TearDown() override { ExpectNothingLeft(); }
  // Ends the controller and the sharing manager; every object and block must be back.
  void ExpectNothingLeft() {
    controller.reset();
    sharing.reset();
    EXPECT_EQ(world.LiveObjects(), 0) << "leaked COM references";
    EXPECT_EQ(world.OverReleases(), 0) << "released too often";
    EXPECT_EQ(world.LiveBlocks(), 0) << "properties blocks not handed back";
    EXPECT_EQ(world.BadBlockFrees(), 0) << "foreign or twice-freed blocks";
  }
  TzenTuraMain& Make(std::vector<std::wstring> parameters = {}) {
    controller = std::make_unique<TzenTuraMain>(
        MainPorts{runner, system, registry, logonTask, dialogs, view, ansi, firewall, mobileHotspot,
                  &wlan},
        std::move(parameters));
    return *controller;
  }
  void StoreSetting(const wchar_t* name, std::wstring text, bool isString = true) {
    registry.keys[kSettingsKey][name] = {isString, std::move(text)};
  }
  bool Ran(std::wstring_view part) const {
    for (const auto& command : runner.commands)
      if (command.find(part) != std::wstring::npos) return true;
    return false;
  }
  // Script lines as in fake_netcon_world.h.
  void Connections(std::string_view script) { LoadNetconScript(world, script); }
  // The world's changes since the last MarkLog.
  std::vector<std::wstring> SharingLog() const {
    const auto& lines = world.LogLines();
    return {lines.begin() + static_cast<std::ptrdiff_t>(logMark), lines.end()};
  }
  void MarkLog() { logMark = world.LogLines().size(); }
  const FakeRegistry::Value* Stored(const wchar_t* path, const wchar_t* name) const {
    return registry.Find(path, name);
  }

  FakeNetconWorld world;
  FakeSharingPlatform platform{world};
  // The sharing manager `NTFirewall1`, which the controller's ports refer to as `firewall`.
  std::optional<TNTFirewall> sharing{std::in_place, platform};
  TNTFirewall& firewall = *sharing;
  FakeCommandRunner runner;
  FakeSystemFacts system;
  FakeRegistry registry;
  FakeLogonTask logonTask;
  FakeDialogs dialogs;
  FakeMainView view;
  FakeAnsiText ansi;
  FakeMobileHotspot mobileHotspot;
  FakeWlanApi wlan;  // no usable API unless a test scripts one
  std::unique_ptr<TzenTuraMain> controller;
  std::size_t logMark = 0;
};
