#include "gui/multiplayer/MultiplayerGame.h"

#include "foundation/base/Dumper.h"
#include "game/core/game/Game.h"
#include "game/core/game/MenuGame.h"
#include "game/profiles/UserProfile.h"
#include "layers/widgets/GuiGame.h"
#include "services/network/NetworkEngine.h"

#include <algorithm>

namespace MultiplayerGame {

namespace {

// The client takes the chosen pilot's name and level into the game.
NetworkEngine* PreparedNetwork()
{
    NetworkEngine* network = Network();
    if (!network)
    {
        Dumper::Instance().Print(DUMP_ERROR, "The game has no network engine\n");
        return nullptr;
    }
    NetworkPlayer player;
    if (const UserProfile* profile = MenuGame::CurrentProfile())
    {
        player.SetName(profile->GetName());
        const uint8_t level = uint8_t(std::clamp(profile->GetLevel(), 0, 255));
        player.SetLevel(level);
    }
    network->SetLocalPlayer(player);
    return network;
}

} // namespace

NetworkEngine* Network() { return game.GetNetworkEngine(); }

bool Join(NetworkGameInfo& info)
{
    NetworkEngine* network = PreparedNetwork();
    return network && network->CreateClient(&info);
}

bool Host(NetworkGameInfo& info)
{
    NetworkEngine* network = PreparedNetwork();
    return network && network->CreateServer(&info);
}

} // namespace MultiplayerGame
