#pragma once

#include "foundation/math/Quaternion.h"
#include "foundation/math/Vec3.h"

#include <cstdint>
#include <string>
#include <vector>

// One node record of a model file as the generator describes it; only the fields of the
// record's type are written.
struct ModRecord
{
    unsigned type = 1;
    std::string name;
    bool enabled = true;
    // Bones, groups, models, emitters, cameras.
    Vec3 position{0.0f, 0.0f, 0.0f};
    Vec3 scale{1.0f, 1.0f, 1.0f};
    Quaternion orientation = Quaternion::identity;
    // Cameras.
    unsigned cameraMode = 0;
    float fov = 85.0f, aspect = 1.333333f, nearClip = 1.0f, farClip = 500.0f;
    float viewport[4] = {0.0f, 0.0f, 100.0f, 100.0f};
    // Render meshes.
    std::string mesh;
    // Omni lights; colours are ARGB words.
    float range = 100.0f, intensity = 1.0f;
    uint32_t attenuation = 0xFFFFFFFFu, diffuse = 0xFFFFFFFFu, specular = 0xFFFFFFFFu;
    std::vector<ModRecord> children;
};

// A record of the type, name and position, the rest as a new record has it.
ModRecord NodeRecord(unsigned type, const std::string& name, const Vec3& position = Vec3(0.0f, 0.0f, 0.0f));

// The leading words of the files we write (the engine does not read them).
constexpr uint32_t ModMagic = 0x00444F4D; // "MOD"
constexpr uint32_t ModVersion = 1;

// The records depth-first after the 8-byte header, ids counting from 0 in writing order.
std::vector<uint8_t> WriteMod(const std::vector<ModRecord>& topLevel);
