#include "scene/model/ModelReader.h"

#include "foundation/base/DataStream.h"
#include "foundation/base/Dumper.h"
#include "scene/nodes/Model.h"
#include "scene/nodes/NodeDesc.h"
#include "scene/nodes/NodeFactory.h"

#include <algorithm>

ModelReader::ModelReader(MemStream& stream, const char* source)
    : _stream(stream), _start(stream.GetPos()), _source(source ? source : ""),
      _reader(stream.GetCurPtr(), stream.GetSize() - stream.GetPos(), "model \"" + _source + "\"")
{}

ModelReader::~ModelReader() { _stream.Seek(static_cast<unsigned long>(_start + _reader.Offset()), SEEK_FROM_BEGIN); }

bool ModelReader::Fail()
{
    if (!_failed)
        Dumper::Instance().Print(DUMP_ERROR, "%s; what was read before is kept\n", _reader.Error().c_str());
    _failed = true;
    return false;
}

void ModelReader::ReadModel(Model& model)
{
    bool skipped = false;
    while (_reader.Remaining() > 0 && !_failed)
    {
        uint32_t type = 0, id = 0;
        if (!_reader.Read(type) || !_reader.Read(id))
        {
            Fail();
            break;
        }
        if (type == NT_BONE)
        {
            if (!ReadNode(model, true))
                break;
        }
        else if (!skipped)
        {
            Dumper::Instance().Print(DUMP_WARNING, "model \"%s\": top-level record of type %u passed over\n",
                                     _source.c_str(), type);
            skipped = true;
        }
    }
    model.RebuildIdMarkers();
}

bool ModelReader::ReadDescription(NodeDesc& desc)
{
    const size_t at = _reader.Offset();
    uint32_t size = 0;
    if (!_reader.Read(size) || !_reader.Seek(at))
        return Fail();
    if (size < NodeDesc::NodeSize)
    {
        Dumper::Instance().Print(DUMP_ERROR, "model \"%s\": description of %u bytes at offset %zu is too short\n",
                                 _source.c_str(), size, at);
        _failed = true;
        return false;
    }
    const size_t kept = std::min<size_t>(size, NodeDesc::MaxSize);
    if (size > _reader.Remaining() || !_reader.ReadBytes(desc.Data(), kept) || !_reader.Skip(size - kept))
    {
        _reader.Skip(size); // records the error
        return Fail();
    }
    return true;
}

bool ModelReader::ReadNode(Node& node, bool recursive)
{
    NodeDesc desc;
    if (!ReadDescription(desc))
        return false;
    const unsigned needed = NodeDesc::SizeOf(node.GetType());
    if (desc.GetSize() < needed)
    {
        Dumper::Instance().Print(DUMP_WARNING, "model \"%s\": description of %u bytes too short for type %u\n",
                                 _source.c_str(), desc.GetSize(), unsigned(node.GetType()));
        return !recursive || ReadChildren(nullptr, desc.GetU32(NodeDesc::ChildCount), 1);
    }
    node.ReadFromDesc(desc);
    return !recursive || ReadChildren(&node, desc.GetU32(NodeDesc::ChildCount), 1);
}

bool ModelReader::ReadChildren(Node* node, uint32_t count, unsigned depth)
{
    if (count == 0)
        return true;
    if (depth > MaxDepth)
    {
        Dumper::Instance().Print(DUMP_ERROR, "model \"%s\": nodes nest deeper than %u levels; the rest is not read\n",
                                 _source.c_str(), MaxDepth);
        _failed = true;
        return false;
    }
    for (uint32_t i = 0; i < count; ++i)
        if (!ReadRecord(node, depth))
            return false;
    return true;
}

bool ModelReader::ReadRecord(Node* parent, unsigned depth)
{
    uint32_t type = 0, id = 0;
    if (!_reader.Read(type) || !_reader.Read(id))
        return Fail();
    NodeDesc desc;
    if (!ReadDescription(desc))
        return false;
    Node* node = nullptr;
    const unsigned needed = NodeDesc::SizeOf(type);
    if (parent && needed == 0)
    {
        Dumper::Instance().Print(DUMP_WARNING, "model \"%s\": record of unknown type %u skipped with its subtree\n",
                                 _source.c_str(), type);
    }
    else if (parent && desc.GetSize() < needed)
    {
        Dumper::Instance().Print(DUMP_WARNING,
                                 "model \"%s\": description of %u bytes too short for type %u; skipped with its "
                                 "subtree\n",
                                 _source.c_str(), desc.GetSize(), type);
    }
    else if (parent)
    {
        node = CreateNodeOfType(parent->GetRoot(), parent->GetScene(), type);
        node->ReadFromDesc(desc);
    }
    const bool complete = ReadChildren(node, desc.GetU32(NodeDesc::ChildCount), depth + 1);
    if (node)
        parent->AddChild(node);
    return complete;
}
