#pragma once

#include "foundation/base/BinaryReader.h"

#include <cstdint>
#include <string>

class MemStream;
class Model;
class Node;
class NodeDesc;

// Reads the node records of a model file from a stream, checking every description size, name,
// child count, nesting depth and type against the bytes. A record no node can be made of (an
// unknown type, a description too short for its class) is skipped with its subtree and a
// logged warning; a file that ends early or nests too deep is logged and keeps what was read.
// The stream is left where reading stopped.
class ModelReader
{
public:
    static constexpr unsigned MaxDepth = 128;

    ModelReader(MemStream& stream, const char* source);
    ~ModelReader();
    ModelReader(const ModelReader&) = delete;
    ModelReader& operator=(const ModelReader&) = delete;

    // A model file's body: records of type 1 read into the model (any other top-level type is
    // passed over header by header), then the model's markers.
    void ReadModel(Model& model);
    // The description at the cursor into the node and, when recursive, its child records.
    // False when the stream ended or the records nest too deep.
    bool ReadNode(Node& node, bool recursive);

private:
    // The description at the cursor: its size and child count checked against the stream.
    bool ReadDescription(NodeDesc& desc);
    // One child record under the parent; with no parent the record and its subtree are skipped.
    bool ReadRecord(Node* parent, unsigned depth);
    bool ReadChildren(Node* node, uint32_t count, unsigned depth);
    bool Fail();

    MemStream& _stream;
    size_t _start;
    std::string _source;
    BinaryReader _reader;
    bool _failed = false;
};
