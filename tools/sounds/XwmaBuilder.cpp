#include "sounds/XwmaBuilder.h"

#include "foundation/base/BinaryWriter.h"

std::vector<uint8_t> BuildXwma(const audio::EncodedWma& wma)
{
    const uint32_t fmtSize = static_cast<uint32_t>(18 + wma.setup.size());
    const uint32_t dpdsSize = static_cast<uint32_t>(wma.packets.size() * 4);
    const uint32_t dataSize = static_cast<uint32_t>(wma.packets.size() * wma.blockAlign);
    BinaryWriter w;
    w.WriteBytes("RIFF", 4);
    w.Write(uint32_t(4 + 8 + fmtSize + 8 + dpdsSize + 8 + dataSize));
    w.WriteBytes("XWMA", 4);
    w.WriteBytes("fmt ", 4);
    w.Write(fmtSize);
    w.Write(uint16_t(0x0161));
    w.Write(uint16_t(wma.channels));
    w.Write(uint32_t(wma.sampleRate));
    w.Write(uint32_t(wma.bitRate / 8));
    w.Write(uint16_t(wma.blockAlign));
    w.Write(uint16_t(16));
    w.Write(uint16_t(wma.setup.size()));
    w.WriteBytes(wma.setup.data(), wma.setup.size());
    w.WriteBytes("dpds", 4);
    w.Write(dpdsSize);
    const uint32_t perPacket = static_cast<uint32_t>(wma.samplesPerPacket * wma.channels * 2);
    for (size_t i = 0; i < wma.packets.size(); ++i)
        w.Write(uint32_t((i + 1) * perPacket));
    w.WriteBytes("data", 4);
    w.Write(dataSize);
    for (const std::vector<uint8_t>& packet : wma.packets)
        w.WriteBytes(packet.data(), packet.size());
    return w.Data();
}
