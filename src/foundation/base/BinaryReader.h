#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Bounded little-endian reader over a block of memory, for every file and packet reader. Every
// read checks the size left first; the first read that does not fit fails, records an error
// naming the source and the offset, and every later read fails too.
class BinaryReader
{
public:
    BinaryReader(const void* data, size_t size, std::string source);

    bool Read(uint8_t& value);
    bool Read(uint16_t& value);
    bool Read(uint32_t& value);
    bool Read(int32_t& value);
    bool Read(float& value);
    bool Read(uint64_t& value);
    bool Read(double& value);
    bool ReadBytes(void* out, size_t count);
    // Reads a fixed text field of `fieldSize` bytes into `out`, a buffer of at least fieldSize
    // bytes (typically the record's own array). The text is always terminated inside that, so a
    // field without a terminator keeps its first fieldSize - 1 characters.
    bool ReadFixedString(char* out, size_t fieldSize);
    bool Skip(size_t count);
    bool Seek(size_t offset);

    size_t Offset() const { return _offset; }
    size_t Remaining() const { return _size - _offset; }
    size_t Size() const { return _size; }
    bool Failed() const { return _failed; }
    const std::string& Error() const { return _error; }

private:
    bool Take(size_t count, const char* what);
    uint64_t Little(size_t count) const;

    const uint8_t* _data;
    size_t _size;
    size_t _offset = 0;
    std::string _source;
    bool _failed = false;
    std::string _error;
};
