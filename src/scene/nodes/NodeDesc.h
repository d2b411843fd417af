#pragma once

#include "foundation/base/Name.h"
#include "foundation/math/Quaternion.h"
#include "foundation/math/Vec3.h"
#include "scene/nodes/NodeTypes.h"

#include <cstdint>

// The description record of a node in a model file: its own size first, then the fields of
// each class at fixed offsets, little-endian (docs/models.md). Classes write their base's
// fields first and then set the size to their own.
class NodeDesc
{
public:
    // Sizes by class.
    static constexpr unsigned NodeSize = 140;
    static constexpr unsigned BoneSize = 180;
    static constexpr unsigned OmniSize = 204;
    static constexpr unsigned CameraSize = 216;
    static constexpr unsigned RenderMeshSize = 268;
    static constexpr unsigned MaxSize = 268;
    static constexpr unsigned TextSize = 128;

    // Offsets.
    static constexpr unsigned Size = 0;
    static constexpr unsigned Enabled = 4;
    static constexpr unsigned NameField = 8;
    static constexpr unsigned ChildCount = 136;
    static constexpr unsigned Position = 140;
    static constexpr unsigned Scale = 152;
    static constexpr unsigned Orientation = 164;
    static constexpr unsigned CameraMode = 180;
    static constexpr unsigned Fov = 184;
    static constexpr unsigned Aspect = 188;
    static constexpr unsigned NearClip = 192;
    static constexpr unsigned FarClip = 196;
    static constexpr unsigned Viewport = 200;
    static constexpr unsigned MeshName = 140;
    static constexpr unsigned OmniRange = 184;
    static constexpr unsigned OmniIntensity = 188;
    static constexpr unsigned OmniAttenuation = 192;
    static constexpr unsigned OmniDiffuse = 196;
    static constexpr unsigned OmniSpecular = 200;

    // The size a description of a record type must have; 0 for the types no node is read from.
    static unsigned SizeOf(unsigned type);

    uint32_t GetSize() const { return GetU32(Size); }
    void SetSize(uint32_t size) { SetU32(Size, size); }

    uint32_t GetU32(unsigned offset) const;
    void SetU32(unsigned offset, uint32_t value);
    float GetFloat(unsigned offset) const;
    void SetFloat(unsigned offset, float value);
    Vec3 GetVec3(unsigned offset) const;
    void SetVec3(unsigned offset, const Vec3& value);
    Quaternion GetQuaternion(unsigned offset) const;
    void SetQuaternion(unsigned offset, const Quaternion& value);
    // A text field of TextSize bytes: written cut to 127 characters and zero-padded, read up
    // to its terminator or its last byte.
    void SetText(unsigned offset, const char* text);
    const char* GetText(unsigned offset) const;
    // The text as a name; no name for an empty text, or when the process-wide name table is
    // close to full (logged): a file must not use up the room the game's own names need.
    Name GetName(unsigned offset) const;

    uint8_t* Data() { return _bytes; }
    const uint8_t* Data() const { return _bytes; }

private:
    uint8_t _bytes[MaxSize] = {};
    mutable char _text[TextSize] = {};
};
