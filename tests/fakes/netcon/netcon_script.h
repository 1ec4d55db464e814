#pragma once

#include <stdexcept>
#include <string_view>

#include "fakes/netcon/fake_netcon_world.h"

// A script line the fake world cannot follow; the message names the line.
class NetconScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Adds what a script (format at the top of fake_netcon_world.h) describes to the world.
void LoadNetconScript(FakeNetconWorld& world, std::string_view utf8Script);

// Takes the status of each connection line whose GUID the world knows, as when a connection
// goes up or down while a program runs; other lines and unknown GUIDs change nothing.
void UpdateNetconStatuses(FakeNetconWorld& world, std::string_view utf8Script);

// The GUID of a "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" text; raises for anything else.
GUID ParseGuid(std::string_view text);
