#include "PhysicsWorldFixture.h"

#include <fstream>
#include <unistd.h>

#include "foundation/base/Dumper.h"

namespace {

struct LineCatcher : IDumperClient
{
    void OnPrint(eDumpEvent, const char* text) override { LoggedLines().push_back(text); }
    void OnDump(eDumpEvent, const void*, unsigned) override {}
};

// The mission frame's group table.
const struct
{
    uint16_t a, b;
    bool on;
} GroupTable[] = {
    {1, 1, true},  {1, 3, true},  {1, 2, true},  {1, 8, true},  {2, 2, false}, {2, 3, true},  {2, 7, false},
    {2, 8, true},  {3, 2, true},  {3, 3, true},  {3, 8, true},  {4, 8, false}, {5, 8, false}, {6, 8, false},
    {7, 2, false}, {7, 8, false}, {7, 7, false}, {8, 1, true},  {8, 2, true},  {8, 4, false}, {8, 5, false},
    {8, 6, false}, {8, 3, true},  {8, 7, false}, {8, 8, false},
};

} // namespace

std::vector<std::string>& LoggedLines()
{
    static std::vector<std::string> lines;
    return lines;
}

bool Logged(const std::string& fragment)
{
    for (const std::string& line : LoggedLines())
        if (line.find(fragment) != std::string::npos)
            return true;
    return false;
}

void PhysicsWorld::SetUp()
{
    static bool catching = Dumper::Instance().RegisterClient(new LineCatcher());
    (void)catching;
    LoggedLines().clear();

    oldDir = std::filesystem::current_path();
    dir = std::filesystem::temp_directory_path() / ("physics-" + std::to_string(getpid()) + "-" +
                                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "phys");
    std::filesystem::current_path(dir);

    resources = std::make_unique<ResourceSystem>(&Dumper::Instance(), 1);
    space = CreatePhysicsSpace(resources.get());
    ASSERT_NE(space, nullptr);
    for (const auto& row : GroupTable)
        space->SetActorGroupCollisionFlag(row.a, row.b, row.on);
    for (uint16_t a = 1; a <= 8; ++a)
        for (uint16_t b = 1; b <= 8; ++b)
            Scene().setActorGroupPairFlags(a, b, 0x7FE);
}

void PhysicsWorld::TearDown()
{
    ReleasePhysicsSpace();
    resources.reset();
    std::filesystem::current_path(oldDir);
    std::filesystem::remove_all(dir);
}

void PhysicsWorld::Step(int frames)
{
    for (int i = 0; i < frames; ++i)
    {
        Scene().simulate(1.0f / 60.0f);
        Scene().flushStream();
        Scene().fetchResults(NX_RIGID_BODY_FINISHED, true);
        space->UpdateShapeGraveyard();
    }
}

void PhysicsWorld::WriteAsset(const std::string& name, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(dir / "phys" / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void PhysicsWorld::Place(PhysicsActor* actor, const Vec3& position, const Vec3& velocity)
{
    Vec3 p = position;
    actor->SetGlobalPosition(p);
    actor->SetGlobalLinearVelocity(velocity);
}
