#include "services/network/NetworkPlayer.h"

#include <cstdio>

void NetworkPlayer::SetName(const char* name) { std::snprintf(_name, sizeof(_name), "%s", name ? name : ""); }
