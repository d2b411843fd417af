// The older level framework: a level keeps the "obj" entries of its file, and rules run their
// level's steps before their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "foundation/lua/VirtualMachine.h"
#include "game/core/catalogue/LevelObjectInfo.h"
#include "game/core/level/Level.h"

namespace {
using Journal = std::vector<std::string>;

class RecordingObject : public GameObject
{
public:
    explicit RecordingObject(Journal& journal) : _journal(journal) {}

protected:
    void UserInit() override { _journal.push_back("object:init"); }
    void UserProceed() override { _journal.push_back("object:proceed"); }
    void UserShutDown() override { _journal.push_back("object:shutdown"); }

private:
    Journal& _journal;
};

class RecordingLevel : public Level
{
public:
    explicit RecordingLevel(Journal& journal) : _journal(journal) {}

protected:
    void UserInitialize() override { _journal.push_back("level:init"); }
    void UserProceed() override { _journal.push_back("level:proceed"); }
    void UserShutDown() override { _journal.push_back("level:shutdown"); }

private:
    Journal& _journal;
};

class RecordingRules : public GameRules
{
public:
    explicit RecordingRules(Journal& journal) : _journal(journal) {}

protected:
    void UserInitialize() override { _journal.push_back("rules:init"); }
    void UserProceed() override { _journal.push_back("rules:proceed"); }
    void UserShutDown() override { _journal.push_back("rules:shutdown"); }

private:
    Journal& _journal;
};
} // namespace

TEST(OlderLevelFramework, RulesRunTheirLevelFirstAndTheLevelItsObjectsFirst)
{
    WorkingFolder folder;
    folder.Write("levels/old.lua", "Level.obj_a = { name = \"a\"; classname = \"ship\"; prototype = \"p\" };\n"
                                   "Level.obj_b = 5;\n"
                                   "Level.other = { name = \"x\" };\n"
                                   "Level.objc = { name = \"c\" };\n");
    VirtualMachine vm;
    Journal journal;
    RecordingLevel level(journal);
    RecordingRules rules(journal);
    rules.Initialize(&level, nullptr, nullptr, &vm);
    EXPECT_EQ(Journal({"level:init", "rules:init"}), journal);
    ASSERT_NE(level.GetPhys(), nullptr);

    ASSERT_TRUE(level.Load("levels/old.lua"));
    ASSERT_EQ(2, level.GetObjectInfoCount());
    std::vector<std::string> names = {level.GetObjectInfoByIndex(0)->GetName(),
                                      level.GetObjectInfoByIndex(1)->GetName()};
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::vector<std::string>({"a", "c"}), names);
    EXPECT_EQ(nullptr, level.GetObjectInfoByIndex(2));
    EXPECT_FALSE(level.Load("levels/missing.lua"));

    RecordingObject object(journal);
    journal.clear();
    level.RegisterObject(&object);
    rules.Proceed(1.0f / 60);
    EXPECT_EQ(Journal({"object:init", "object:proceed", "level:proceed", "rules:proceed"}), journal);

    journal.clear();
    rules.ShutDown();
    EXPECT_EQ(Journal({"level:shutdown", "rules:shutdown"}), journal);
    EXPECT_EQ(0, level.GetObjectInfoCount());
    EXPECT_EQ(nullptr, level.GetPhys());
}

TEST(OlderLevelFramework, ObjectEntryKeepsItsNames)
{
    VirtualMachine vm;
    Table entry = vm.CreateNewTable();
    entry.SetString("name", "rock");
    entry.SetString("prototype", "ast_m_a");
    entry.SetNumber("classname", 3);
    LevelObjectInfo info(entry);
    info.Initialize();
    EXPECT_STREQ("rock", info.GetName());
    EXPECT_STREQ("ast_m_a", info.GetPrototype());
    EXPECT_STREQ("", info.GetClassname());
}
