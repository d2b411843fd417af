#pragma once
// A mission objective of the catalogue's exported records: a list of goal texts that starts
// empty. No mission fills one yet; the HUD keeps its own objective list.
#include <string>
#include <vector>

struct Objective
{
    std::vector<std::string> goals;
};
