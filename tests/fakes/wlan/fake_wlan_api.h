#pragma once

#include "hotspot/wlan_api.h"

// Answers every query with the scripted report (by default: no usable API); counts queries.
class FakeWlanApi : public WlanApi {
 public:
  WlanReport QueryHostedNetwork() override {
    ++queries;
    return report;
  }
  void Answer(bool hasInterface, WlanHostedNetworkState state) {
    report = {WlanReport::Answer::Answered, hasInterface, state};
  }

  WlanReport report;
  int queries = 0;
};
