#pragma once
// A typed message from one actor to another, counted down by the dispatcher until it is due.
#include "game/core/messages/Message.h"

class IMessageReceiver;

struct Telegram
{
    Telegram() = default;
    Telegram(float delay_, IMessageReceiver* sender_, IMessageReceiver* receiver_, eMessage type_, Message* payload_)
        : delay(delay_), sender(sender_), receiver(receiver_), type(type_), payload(payload_)
    {}
    // Frees the payload, which the telegram owns.
    ~Telegram() { delete payload; }
    Telegram(const Telegram&) = delete;
    Telegram& operator=(const Telegram&) = delete;

    float delay = 0;                      // seconds until delivery
    IMessageReceiver* sender = nullptr;   // not owned
    IMessageReceiver* receiver = nullptr; // not owned
    eMessage type = MESSAGE_NONE;
    Message* payload = nullptr; // owned, may be null
};
