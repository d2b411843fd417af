#include "ObjectMeshes.h"

namespace ObjectMeshes {

namespace {

SmsLod Lod(const MeshGeometry& geometry) { return SmsLod{geometry.vertices, geometry.indices}; }

// A box of the given half extents about the origin, in one material.
SmsMesh Block(const Vec3& half, const char* material)
{
    const Bounds bounds(-half, half);
    SmsMesh mesh;
    mesh.desc = MeshShapes::BoxDesc(bounds);
    mesh.desc.radius = half.Length();
    mesh.desc.SetMaterialName(0, material);
    mesh.lods.push_back(Lod(MeshShapes::BoxGeometry(bounds)));
    FinishSmsMesh(mesh);
    return mesh;
}

// A sphere of three LODs in one material.
SmsMesh Ball(float radius, const char* material)
{
    const unsigned rings = 24, segments = 24, lods = 3;
    SmsMesh mesh;
    MeshShapes::SphereDesc(rings, segments, radius, lods, mesh.desc);
    mesh.desc.SetMaterialName(0, material);
    for (unsigned i = 0; i < lods; ++i)
        mesh.lods.push_back(Lod(MeshShapes::SphereGeometry(rings / (i + 1), segments / (i + 1), radius)));
    FinishSmsMesh(mesh);
    return mesh;
}

} // namespace

std::vector<DemoMesh> All()
{
    const char* const plate = "hull.mat";
    return {
        {"pod_hull.sms", Block({6, 4, 10}, "checker.mat")},
        {"pod_arm.sms", Block({1.5f, 1.5f, 6}, plate)},
        {"pod_claw.sms", Block({3, 1, 2}, plate)},
        {"ytg_sush_block.sms", Block({25, 20, 50}, plate)},
        {"ytg_sush_engine.sms", Block({10, 10, 25}, plate)},
        {"ytg_sush_hull.sms", Block({40, 20, 60}, plate)},
        {"ytg_sush_cabin.sms", Block({20, 15, 25}, plate)},
        {"ytg_sush_small.sms", Block({6, 4, 10}, plate)},
        {"ytg_sush_rail.sms", Block({2, 2, 20}, plate)},
        {"ytg_sush_cap.sms", Ball(12.0f, plate)},
        {"ytg_baken_beam.sms", Block({12, 2, 2}, plate)},
        {"ytg_baken_mast.sms", Block({0.5f, 8, 0.5f}, plate)},
        {"ytg_baken_cap.sms", Ball(2.5f, plate)},
        {"ytg_energ_caps_cr4.sms", Ball(4.0f, "ytg_energ_caps_cr4.mat")},
        {"ytg_fighter_02_shield.sms", Ball(14.0f, "ytg_shield.mat")},
        {"ytg_sun.sms", Ball(400.0f, "ytg_sun.mat")},
        {"ytg_sun_glow.sms", Ball(480.0f, "ytg_sun_glow.mat")},
        {"ytg_portal.sms", Block({60, 60, 4}, plate)},
        {"ytg_portal_glow.sms", Block({50, 50, 1}, "glow.mat")},
        {"ytg_protection_complex.sms", Block({20, 30, 20}, plate)},
        {"ytg_gan.sms", Block({3, 3, 8}, plate)},
        // The comet's head, drawn at a tenth of its size: as large as its physics sphere.
        {"ast_m_a.sms", DemoMeshes::Rock(400.0f, 11, "comet.mat")},
    };
}

} // namespace ObjectMeshes
