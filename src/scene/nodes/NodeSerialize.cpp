// Node records of model files: the writer, and the reader's entry for one node.
#include "foundation/base/DataStream.h"
#include "scene/model/ModelReader.h"
#include "scene/nodes/Node.h"
#include "scene/nodes/NodeDesc.h"

#include <cstring>
#include <vector>

namespace {

constexpr unsigned kRecordHeaderSize = 8;

void WriteU32(uint8_t* at, uint32_t value)
{
    for (unsigned i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// Makes room for `needed` bytes at the cursor, keeping what the stream holds and where it stands.
void Reserve(MemStream& stream, unsigned needed)
{
    const unsigned position = stream.GetPos();
    if (stream.GetSize() - position >= needed)
        return;
    std::vector<uint8_t> bytes(size_t(position) + needed);
    if (stream.GetPtr())
        std::memcpy(bytes.data(), stream.GetPtr(), std::min<size_t>(stream.GetSize(), bytes.size()));
    stream.Allocate(bytes.size(), bytes.data());
    stream.Seek(position, SEEK_FROM_BEGIN);
}

} // namespace

unsigned Node::GetSerializedSize(bool recursive) const
{
    NodeDesc desc;
    WriteToDesc(desc);
    unsigned size = kRecordHeaderSize + desc.GetSize();
    if (recursive)
        for (const Node* child : _children)
            size += child->GetSerializedSize(true);
    return size;
}

void Node::Serialize(MemStream& stream, bool recursive)
{
    Reserve(stream, GetSerializedSize(recursive));
    NodeDesc desc;
    WriteToDesc(desc);
    uint8_t header[kRecordHeaderSize];
    WriteU32(header, GetType());
    WriteU32(header + 4, IncrementIdCounter());
    stream.WriteData(header, kRecordHeaderSize);
    stream.WriteData(desc.Data(), desc.GetSize());
    if (recursive)
        for (Node* child : _children)
            child->Serialize(stream, true);
}

void Node::Deserialize(MemStream& stream, bool recursive)
{
    ModelReader reader(stream, "stream");
    reader.ReadNode(*this, recursive);
}
