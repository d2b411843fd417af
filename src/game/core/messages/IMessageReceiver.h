#pragma once
// What the message dispatcher needs of an actor: somewhere to deliver a telegram. The game
// world's actors implement it; telegrams name their sender and receiver through it.
struct Telegram;

class IMessageReceiver
{
public:
    virtual void OnMessage(Telegram* telegram) = 0;

protected:
    ~IMessageReceiver() = default;
};
