#pragma once

#include <string>

// The servers, each "host" or "host:port", fixed when the program is built.
std::string StatsHost();  // statistics server
std::string SiteHost();   // feedback and web site
