#include "services/network/NetworkGameInfo.h"

#include "foundation/base/BinaryReader.h"
#include "foundation/base/BinaryWriter.h"

#include <cstring>

namespace {
// Keeps the text up to its terminator; whatever a sender put after it is not carried on.
template <size_t N>
bool ReadText(BinaryReader& in, char (&field)[N])
{
    return in.ReadFixedString(field, N);
}

template <size_t N>
void WriteText(BinaryWriter& out, const char (&field)[N])
{
    out.WriteBytes(field, N);
}
} // namespace

void NetworkGameInfo::Write(BinaryWriter& out) const
{
    out.Write(header);
    WriteText(out, address);
    out.Write(port);
    WriteText(out, name);
    WriteText(out, text);
    out.Write(maxPlayers);
    out.Write(currentPlayers);
    out.Write(fragLimit);
    out.Write(timeLimit);
    out.Write(reserved);
    out.Write(extra);
    out.Write(status);
}

std::vector<uint8_t> NetworkGameInfo::Serialize() const
{
    BinaryWriter out;
    Write(out);
    return out.Data();
}

bool NetworkGameInfo::Read(BinaryReader& in)
{
    NetworkGameInfo record;
    const bool ok = in.Read(record.header) && ReadText(in, record.address) && in.Read(record.port) &&
                    ReadText(in, record.name) && ReadText(in, record.text) && in.Read(record.maxPlayers) &&
                    in.Read(record.currentPlayers) && in.Read(record.fragLimit) && in.Read(record.timeLimit) &&
                    in.Read(record.reserved) && in.Read(record.extra) && in.Read(record.status);
    if (ok)
        *this = record;
    return ok;
}
