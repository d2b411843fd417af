#pragma once

#include "MaterialSystem/meshes/MeshDesc.h"
#include "MaterialSystem/meshes/MeshShapes.h"

#include <cstdint>
#include <string>
#include <vector>

// The geometry of one LOD as a ".sms" file stores it: the LOD's vertices, then the indices
// of its sub-meshes in order.
struct SmsLod
{
    std::vector<MeshVertex> vertices;
    std::vector<uint16_t> indices;
};

// A mesh ready to be written: its description and the data of each of its LODs.
struct SmsMesh
{
    MeshDesc desc;
    std::vector<SmsLod> lods;
};

// The two leading words of the files we write (the engine does not read them).
constexpr uint32_t SmsMagic = 0x00534D53; // "SMS"
constexpr uint32_t SmsVersion = 1;

// The file bytes: header, every LOD's vertices, every LOD's indices. The description's totals
// are taken as given; FinishSmsMesh fills them in.
std::vector<uint8_t> WriteSms(const SmsMesh& mesh);
// Sets the totals and each LOD's vertex count from the geometry.
void FinishSmsMesh(SmsMesh& mesh);
bool SaveSms(const std::string& path, const SmsMesh& mesh);
