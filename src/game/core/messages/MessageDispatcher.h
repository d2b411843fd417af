#pragma once
// The mission's telegram queue. A telegram is never delivered by the call that sends it: each
// dispatch first takes in the telegrams sent since the last one, then counts every pending
// telegram down by the frame time and delivers those that are due, in pending-list order.
// Owns every queued telegram and its payload.
#include <memory>
#include <vector>

#include "game/core/messages/Telegram.h"

class MessageDispatcher
{
public:
    MessageDispatcher() = default;
    ~MessageDispatcher() { ShutDown(); }
    MessageDispatcher(const MessageDispatcher&) = delete;
    MessageDispatcher& operator=(const MessageDispatcher&) = delete;

    // Queues a telegram; the payload passes to it. A telegram to no receiver is dropped with a
    // logged warning.
    void DispatchMessage(IMessageReceiver* sender, IMessageReceiver* receiver, eMessage type, Message* payload,
                         float delay);

    // The per-frame step; `spf` is the frame time in seconds.
    void DispatchDelayedMessages(float spf);

    // Drops every queued telegram to the actor, undelivered, and clears the sender of those it
    // sent, which still arrive (a rocket's hit outlives the rocket). The mission frame calls it
    // before it frees an actor; it may run inside a delivery.
    void PurgeActor(const IMessageReceiver* actor);

    // Frees every queued telegram undelivered.
    void ShutDown();

private:
    using TelegramList = std::vector<std::unique_ptr<Telegram>>;

    TelegramList _pending;             // being counted down
    TelegramList _incoming;            // sent since the last dispatch
    std::vector<Telegram*> _delivered; // delivered or dropped in the current dispatch
    bool _dispatching = false;
};
