#pragma once

#include "ModWriter.h"

#include <string>
#include <vector>

// A demo model with the file name it is written under in assets/.
struct DemoModel
{
    std::string file;
    std::vector<ModRecord> records; // top level
};

namespace DemoModels {

// A bone holding a group with the hull mesh, the two engine bones "engine_00" and "engine_01"
// and an omni light.
DemoModel Ship();
// One model per record type the reader makes a node of ("nodes_<type>.mod"), the node under a
// top-level bone.
std::vector<DemoModel> NodeTypes();

std::vector<DemoModel> All();
// What the generator writes: the above and the models of the game's objects, hangar, radar
// and ships.
std::vector<DemoModel> Everything();

} // namespace DemoModels
