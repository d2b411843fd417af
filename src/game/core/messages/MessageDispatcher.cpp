#include "game/core/messages/MessageDispatcher.h"

#include <algorithm>

#include "foundation/base/Dumper.h"
#include "game/core/messages/IMessageReceiver.h"

namespace {
// A dropped telegram keeps its place in the pending list until the next dispatch removes it,
// so that a purge inside a delivery never changes the list being walked.
void Drop(Telegram& telegram)
{
    telegram.sender = nullptr;
    telegram.receiver = nullptr;
}

bool IsDropped(const Telegram& telegram) { return telegram.receiver == nullptr; }
} // namespace

void MessageDispatcher::DispatchMessage(IMessageReceiver* sender, IMessageReceiver* receiver, eMessage type,
                                        Message* payload, float delay)
{
    auto telegram = std::make_unique<Telegram>(delay, sender, receiver, type, payload);
    if (!receiver)
    {
        Dumper::Instance().Print(DUMP_WARNING, "Telegram of type %d has no receiver; dropped\n",
                                 static_cast<int>(type));
        return;
    }
    _incoming.push_back(std::move(telegram));
}

void MessageDispatcher::DispatchDelayedMessages(float spf)
{
    for (auto& telegram : _incoming)
        _pending.push_back(std::move(telegram));
    _incoming.clear();

    // Deliveries only append to the incoming list or mark telegrams dropped, so the pending
    // list keeps its size and order during this walk.
    _dispatching = true;
    for (size_t i = 0; i < _pending.size(); ++i)
    {
        Telegram* telegram = _pending[i].get();
        if (IsDropped(*telegram))
        {
            _delivered.push_back(telegram);
            continue;
        }
        telegram->delay -= spf;
        if (telegram->delay <= 0)
        {
            telegram->receiver->OnMessage(telegram);
            _delivered.push_back(telegram);
        }
    }
    _dispatching = false;

    // Each removal moves the last pending telegram into the hole.
    for (Telegram* done : _delivered)
    {
        auto it = std::find_if(_pending.begin(), _pending.end(), [done](const auto& t) { return t.get() == done; });
        std::swap(*it, _pending.back());
        _pending.pop_back();
    }
    _delivered.clear();
}

void MessageDispatcher::PurgeActor(const IMessageReceiver* actor)
{
    if (!actor)
        return;
    std::erase_if(_incoming, [actor](const auto& t) { return t->receiver == actor; });
    for (auto& telegram : _pending)
    {
        if (telegram->receiver == actor)
            Drop(*telegram);
    }
    for (TelegramList* list : {&_incoming, &_pending})
    {
        for (auto& telegram : *list)
        {
            if (telegram->sender == actor)
                telegram->sender = nullptr;
        }
    }
}

void MessageDispatcher::ShutDown()
{
    _incoming.clear();
    if (_dispatching)
    {
        for (auto& telegram : _pending)
            Drop(*telegram);
        return;
    }
    _pending.clear();
    _delivered.clear();
}
