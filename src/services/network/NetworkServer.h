#pragma once

#include "services/network/INetworkEntity.h"
#include "services/network/NetworkEndpoints.h"
#include "services/network/NetworkGameInfo.h"

#include <cstdint>
#include <vector>

// Hosts a game: accepts players up to the limit, refuses the rest as full, and answers
// searchers on its own port with its record.
class NetworkServer : public INetworkEntity
{
public:
    explicit NetworkServer(const NetworkEndpoints& endpoints);
    ~NetworkServer() override;

    // Starts listening; false, logged, with the server left closed when the port cannot be had.
    bool Init(NetworkGameInfo* info) override;
    void Close() override;
    void Update(float frameTime) override;
    void UpdateReceive() override;

    void SetNetworkState(const NETWORK_SERVER_STATE& state);
    NETWORK_SERVER_STATE GetNetworkState() const { return static_cast<NETWORK_SERVER_STATE>(_info.status); }
    const NetworkGameInfo& GetGameInfo() const { return _info; }
    // The players connected within the limit, as of the last update.
    size_t GetAcceptedCount() const { return _acceptedCount; }

private:
    // Back to a constructed server's record: header 1, state 0, everything else empty.
    void ResetRecord();
    void UpdateServerGameInfo(float frameTime);
    // Re-advertises the record when the number of connected players changed.
    void SetServerGameInfo();
    bool AnswerDatagram(const uint8_t* data, size_t size, std::vector<uint8_t>& reply) const;

    NetworkEndpoints _endpoints;
    NetworkGameInfo _info;
    float _advertiseTimer = 0.0f;
    std::vector<uint8_t> _pingResponse; // the record as searchers are told it
    std::vector<bool> _accepted;        // per peer slot: a player counted against the limit
    size_t _acceptedCount = 0;
    static constexpr uint64_t LoggedPackets = 16;
    uint64_t _received = 0; // packets from players
};
