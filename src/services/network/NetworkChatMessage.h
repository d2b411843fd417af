#pragma once

#include <cstdint>

// A chat line between players; nothing sends it yet.
struct NetworkChatMessage
{
    char text[316] = {};
    uint16_t param1 = 0;
    uint16_t param2 = 0;
};

static_assert(sizeof(NetworkChatMessage) == 320);
