#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Appends little-endian fields of fixed width to a growing byte buffer, for every file and
// packet writer.
class BinaryWriter
{
public:
    void Write(uint8_t value);
    void Write(uint16_t value);
    void Write(uint32_t value);
    void Write(int32_t value);
    void Write(float value);
    void Write(uint64_t value);
    void Write(double value);
    void WriteBytes(const void* data, size_t count);
    // Writes a field of exactly `fieldSize` bytes: the text cut to fieldSize - 1 characters
    // (so it stays terminated), padded with zeros.
    void WriteFixedString(const char* text, size_t fieldSize);

    const std::vector<uint8_t>& Data() const { return _data; }
    size_t Size() const { return _data.size(); }

private:
    void Little(uint64_t value, size_t count);

    std::vector<uint8_t> _data;
};
