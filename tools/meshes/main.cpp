// Writes the demo meshes into <data folder>/meshes.
#include "DemoMeshes.h"
#include "ObjectMeshes.h"
#include "HangarMeshes.h"
#include "RadarMeshes.h"
#include "RaceMeshes.h"
#include "WeaponMeshes.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "meshes";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
    {
        std::fprintf(stderr, "cannot create %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    std::vector<DemoMesh> meshes = DemoMeshes::All();
    for (DemoMesh& mesh : ObjectMeshes::All())
        meshes.push_back(std::move(mesh));
    for (DemoMesh& hangar : HangarMeshes::All())
        meshes.push_back(std::move(hangar));
    for (DemoMesh& radar : RadarMeshes::All())
        meshes.push_back(std::move(radar));
    for (DemoMesh& weapon : WeaponMeshes::All())
        meshes.push_back(std::move(weapon));
    for (DemoMesh& rock : DemoMeshes::DebrisRocks())
        meshes.push_back(std::move(rock));
    for (DemoMesh& race : RaceMeshes::All())
        meshes.push_back(std::move(race));
    for (const DemoMesh& demo : meshes)
    {
        const std::string path = (folder / demo.file).string();
        if (!SaveSms(path, demo.mesh))
            return 1;
    }
    return 0;
}
