#include "online/hosts.h"

std::string StatsHost() { return PELANTO_STATS_HOST; }
std::string SiteHost() { return PELANTO_SITE_HOST; }
