#include "foundation/config/NetworkSettings.h"

NetworkSettings::NetworkSettings(ConfigSystem* master) : ISettings("Network", master) { WriteSheetParams(); }

void NetworkSettings::ReadSheetParams()
{
    Read("ServerName", ServerName, sizeof(ServerName));
    Read("PlayerName", PlayerName, sizeof(PlayerName));
    Read("MaxPlayers", MaxPlayers);
}

void NetworkSettings::WriteSheetParams()
{
    Write("ServerName", ServerName);
    Write("PlayerName", PlayerName);
    Write("MaxPlayers", MaxPlayers);
}
