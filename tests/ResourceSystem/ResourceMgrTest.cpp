#include "ResourceFixtures.h"

namespace {

std::vector<std::string> Walk(IResourceMgr& mgr)
{
    std::vector<std::string> names;
    for (IResource* r = mgr.BeginResource(); r != INVALID_RES_HANDLE; r = mgr.NextResource())
        names.push_back(r->GetInfo().name);
    return names;
}

IResource* Make(const char* name, int* destroyed)
{
    ResourceInfo info;
    info.SetName(name);
    return new FakeResource(info, "", name, destroyed);
}

TEST(ResourceMgr, AddGetWalkAndRemove)
{
    int destroyed = 0;
    FakeMgr mgr;
    IResource* first = Make("b.dds", &destroyed);
    IResource* duplicate = Make("b.dds", &destroyed);
    EXPECT_TRUE(mgr.AddResource(first));
    // A clash is reported: the caller keeps the one it offered.
    EXPECT_FALSE(mgr.AddResource(duplicate));
    EXPECT_FALSE(mgr.AddResource(first, "b.dds"));
    EXPECT_FALSE(mgr.AddResource(INVALID_RES_HANDLE));
    EXPECT_TRUE(mgr.AddResource(Make("a.dds", &destroyed)));
    EXPECT_TRUE(mgr.AddResource(Make("$black", &destroyed)));
    EXPECT_EQ(mgr.GetResource("B.DDS"), first);
    delete duplicate;
    destroyed = 0;

    EXPECT_EQ(Walk(mgr), (std::vector<std::string>{"$black", "a.dds", "b.dds"}));

    // Removing during a walk does not lose the walk's place.
    std::vector<std::string> seen;
    for (IResource* r = mgr.BeginResource(); r != INVALID_RES_HANDLE; r = mgr.NextResource())
    {
        seen.push_back(r->GetInfo().name);
        if (seen.size() == 2)
        {
            EXPECT_TRUE(mgr.RemoveResource(r));
        }
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"$black", "a.dds", "b.dds"}));
    EXPECT_EQ(destroyed, 1);

    EXPECT_TRUE(mgr.RemoveResource("B.dds"));
    EXPECT_FALSE(mgr.RemoveResource("b.dds"));
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(Walk(mgr), std::vector<std::string>{"$black"});
}

TEST(ResourceMgr, RemoveAllResourcesKeepsBuiltInsUnlessAll)
{
    int destroyed = 0;
    FakeMgr mgr;
    mgr.AddResource(Make("$proxy", &destroyed));
    mgr.AddResource(Make("hull.dds", &destroyed));
    mgr.AddResource(Make("wing.dds", &destroyed));

    mgr.RemoveAllResources(false);
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(Walk(mgr), std::vector<std::string>{"$proxy"});

    mgr.RemoveAllResources(true);
    EXPECT_EQ(destroyed, 3);
    EXPECT_TRUE(Walk(mgr).empty());
}

TEST(ResourceMgr, DestructorDeletesWhatIsLeft)
{
    int destroyed = 0;
    {
        FakeMgr mgr;
        mgr.AddResource(Make("$proxy", &destroyed));
        mgr.AddResource(Make("a.dds", &destroyed));
    }
    EXPECT_EQ(destroyed, 2);
}

} // namespace
