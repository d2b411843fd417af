#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The ".dds" header: "DDS " and a 124-byte description of the image, 128 bytes in all.
constexpr unsigned kDdsHeaderSize = 128;

// Which part of a ".dds" file becomes a texture: the format, the size and levels kept after
// dropping `lod` top levels, and the byte size of each level, computed from the format and
// the dimensions (the file's pitch field is not trusted).
struct DdsLayout
{
    uint32_t format = 0; // engine format code
    unsigned width = 0;
    unsigned height = 0;
    unsigned levels = 0;              // kept levels, at least 1
    uint64_t skipBytes = 0;           // data of the dropped levels
    std::vector<uint64_t> levelBytes; // of each kept level
    uint64_t keptBytes = 0;
};

// Checks the header against the data that follows it (`dataSize` bytes) and plans the load.
// False with `error` saying why for a bad magic or header size, a pixel format that is not
// 32-bit RGB nor DXT1-DXT5, a zero size, an impossible level count, data too short for the
// levels, or an image whose kept size passes `maxSide` pixels a side (0: no bound of the
// caller's), which is told before any data is looked at.
bool ReadDdsLayout(const void* header, uint64_t dataSize, int lod, unsigned maxSide, DdsLayout& out,
                   std::string& error);

// Bytes of one level of an engine format that a ".dds" file can hold.
uint64_t DdsLevelBytes(uint32_t format, unsigned width, unsigned height);
