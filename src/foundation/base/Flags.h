#pragma once

#include <cstdint>

// A 32-bit flag word that nodes and game objects carry as a base. The operations are const
// and change the word all the same, so flags can be toggled through const references.
class Flags
{
public:
    Flags(unsigned long flags = 0) : _flags(static_cast<uint32_t>(flags)) {}

    void RaiseFlag(unsigned long bits) const { _flags |= static_cast<uint32_t>(bits); }
    // Exclusive-or: callers test with HasFlag first, so in use this clears the bits.
    void ResetFlag(unsigned long bits) const { _flags ^= static_cast<uint32_t>(bits); }
    bool HasFlag(unsigned long bits) const { return (_flags & static_cast<uint32_t>(bits)) != 0; }

    bool operator==(unsigned long value) const { return _flags == static_cast<uint32_t>(value); }
    bool operator!=(unsigned long value) const { return !(*this == value); }

protected:
    mutable uint32_t _flags;
};
