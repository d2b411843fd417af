#pragma once
#include "foundation/config/ISettings.h"

// Sheet "Network": the names shown in network games and the player limit.
class NetworkSettings : public ISettings
{
public:
    static constexpr size_t NAME_SIZE = 64;

    explicit NetworkSettings(ConfigSystem* master);

    void ReadSheetParams() override;
    void WriteSheetParams() override;

    char ServerName[NAME_SIZE] = "(server_name)";
    char PlayerName[NAME_SIZE] = "(player_name)";
    int MaxPlayers = 16;
};
