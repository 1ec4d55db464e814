#pragma once

#include <memory>
#include <string>

#include "online/http_transport.h"

// What a report thread needs of the platform. Called on the report threads, concurrently.
class ReportServices {
 public:
  virtual ~ReportServices() = default;
  // MAC text of the first network adapter, or the empty text.
  virtual std::wstring MacAddress() = 0;
  virtual std::unique_ptr<HttpConnector> MakeConnector() = 0;
  virtual std::string StatsHost() = 0;
};

// What the window gathers for a report.
class ReportFacts {
 public:
  virtual ~ReportFacts() = default;
  // The registry value "UID" of the settings key, or "1015".
  virtual std::wstring Uid() = 0;
  // The version text of the running executable.
  virtual std::wstring ProgramVersion() = 0;
};
