#pragma once

#include "services/network/NetworkEndpoints.h"
#include "services/network/NetworkGameInfo.h"

#include <vector>

// Pings every server within reach and collects the open ones that answer within the wait.
void SearchServers(const NetworkEndpoints& endpoints, std::vector<NetworkGameInfo>& out);
