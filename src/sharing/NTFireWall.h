#pragma once

// The connection sharing component: manager, connection list, connection objects and the
// name tables of their refusals.
#include "sharing/name_tables.h"
#include "sharing/nt_firewall.h"
#include "sharing/nt_net_connection.h"
#include "sharing/nt_net_connection_list.h"
