#pragma once

#include <cstddef>
#include <cstdint>

// What the machines of a game say to each other.
namespace NetworkProtocol {
constexpr uint16_t DefaultPort = 23456;

// Message identifiers the client acts on.
constexpr uint8_t ID_CONNECTION_ACCEPTED = 14;
constexpr uint8_t ID_CONNECTION_FAILED = 15;
constexpr uint8_t ID_SERVER_FULL = 18;
constexpr uint8_t ID_SERVER_CLOSED = 19;
constexpr uint8_t ID_PONG = 28;

// Reasons a server gives when it drops a connection.
constexpr uint32_t REASON_NONE = 0;
constexpr uint32_t REASON_FULL = 0x46554C4C;
constexpr uint32_t REASON_CLOSED = 0x434C4F53;

// A discovery ping is the magic followed by the searcher's 8-byte time stamp; the answer is
// ID_PONG, the same time stamp and the server's record. The ping is padded with zeros to the
// answer's size, so that a forged sender address cannot make a server send more than it got.
constexpr uint8_t PingMagic[8] = {'V', 'T', 'R', 'L', 'P', 'I', 'N', 'G'};
constexpr size_t PongSize = 1 + 8 + 136;
constexpr size_t PingSize = PongSize;

// Bounds on what a peer can make us hold: nothing is exchanged beyond connection management.
constexpr size_t MaxPacketSize = 4096;
constexpr size_t MaxWaitingData = 64 * 1024;
// Events handled per frame, so that a flood cannot stall the game.
constexpr int MaxEventsPerUpdate = 1024;
// Answers read per search, and servers listed.
constexpr int MaxSearchAnswers = 4096;
constexpr size_t MaxServersFound = 256;
} // namespace NetworkProtocol
