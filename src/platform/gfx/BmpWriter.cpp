#include "platform/gfx/BmpWriter.h"

#include <cstdio>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

std::vector<uint8_t> EncodeBmp(unsigned width, unsigned height, const uint32_t* pixels)
{
    const uint32_t rowBytes = (width * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * height;
    std::vector<uint8_t> out;
    out.reserve(54 + imageBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + imageBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height); // positive: rows stored bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, imageBytes);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (unsigned row = height; row-- > 0;)
    {
        const uint32_t* line = pixels + static_cast<size_t>(row) * width;
        for (unsigned x = 0; x < width; ++x)
        {
            out.push_back(line[x] & 0xFF);
            out.push_back((line[x] >> 8) & 0xFF);
            out.push_back((line[x] >> 16) & 0xFF);
        }
        for (uint32_t pad = width * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

bool WriteBmp(const char* path, unsigned width, unsigned height, const uint32_t* pixels)
{
    const std::vector<uint8_t> data = EncodeBmp(width, height, pixels);
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    return std::fclose(file) == 0 && ok;
}
