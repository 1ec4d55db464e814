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

// The GUID of a "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" text; raises for anything else.
GUID ParseGuid(std::string_view text);
