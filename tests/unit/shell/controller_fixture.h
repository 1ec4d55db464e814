#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/netcon/fake_netcon_world.h"
#include "fakes/netcon/fake_sharing_platform.h"
#include "fakes/netcon/netcon_script.h"
#include "fakes/shell/fake_ports.h"
#include "sharing/nt_firewall.h"
#include "shell/settings_keys.h"
#include "shell/untMain.h"

// A whole controller on fakes, with a scripted world of network connections.
struct ControllerTest : ::testing::Test {
  TzenTuraMain& Make(std::vector<std::wstring> parameters = {}) {
    controller = std::make_unique<TzenTuraMain>(
        MainPorts{runner, system, registry, dialogs, view, ansi, firewall}, std::move(parameters));
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
  TNTFirewall firewall{platform};
  FakeCommandRunner runner;
  FakeSystemFacts system;
  FakeRegistry registry;
  FakeDialogs dialogs;
  FakeMainView view;
  FakeAnsiText ansi;
  std::unique_ptr<TzenTuraMain> controller;
  std::size_t logMark = 0;
};
