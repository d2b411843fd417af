#include "services/sound/XwmaReader.h"

#include "foundation/base/BinaryReader.h"

bool ReadXwmaLayout(const uint8_t* bytes, size_t size, const std::string& source, XwmaLayout& out, std::string& error,
                    std::string& warning)
{
    out = XwmaLayout{};
    BinaryReader reader(bytes, size, source);
    if (!ReadRiffFormat(reader, FourCC("XWMA"), "xWMA", out.format, error))
        return false;

    uint32_t dpds = 0, tableLength = 0;
    if (!reader.Read(dpds) || dpds != FourCC("dpds"))
    {
        error = "no \"dpds\" chunk after the format";
        return false;
    }
    if (!reader.Read(tableLength))
    {
        error = reader.Error();
        return false;
    }
    if (tableLength % 4 != 0 || tableLength > reader.Remaining())
    {
        error = "\"dpds\" length " + std::to_string(tableLength) +
                (tableLength % 4 != 0 ? " is not a whole number of entries" : " runs past the end of the file");
        return false;
    }
    out.decodedBytes.resize(tableLength / 4);
    for (uint32_t& entry : out.decodedBytes)
        reader.Read(entry);

    if (!FindDataChunk(reader, 64, out.dataSize, error))
        return false;
    out.dataOffset = reader.Offset();
    if (out.dataSize > reader.Remaining())
        warning = "\"data\" claims " + std::to_string(out.dataSize) + " bytes but " +
                  std::to_string(reader.Remaining()) + " are left";
    return true;
}
