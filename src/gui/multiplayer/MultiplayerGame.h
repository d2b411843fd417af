#pragma once

class NetworkEngine;
struct NetworkGameInfo;

// What the multiplayer screens use of the game (the global `game`) beyond the menus' services:
// the network engine, and this machine's player as the chosen pilot.
namespace MultiplayerGame {

// Null before the game has started.
NetworkEngine* Network();
// Joins the record's server as the chosen pilot; false when there is no network engine or the
// client could not start.
bool Join(NetworkGameInfo& info);
// Hosts the record's game and joins it as the chosen pilot; false when the server could not
// start.
bool Host(NetworkGameInfo& info);

} // namespace MultiplayerGame
