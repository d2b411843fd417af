#include "DemoMeshes.h"

namespace DemoMeshes {

std::vector<DemoMesh> ShipPartMeshes()
{
    return {{"ytg_korpus_bolsh_dvig_01.sms", Rock(60.0f, 101, "hull.mat")},
            {"ytg_bolsh_dvigatel.sms", Rock(25.0f, 102, "hull.mat")},
            {"ytg_sush_02_kabina.sms", Rock(30.0f, 103, "hull.mat")}};
}

} // namespace DemoMeshes
