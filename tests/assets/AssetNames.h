#pragma once

#include <initializer_list>
#include <string>
#include <vector>

// Checks that each name (a path relative to the game's working folder, written as the game
// writes it: "\\" and "//" allowed, any case) is a file of the assembled data. Fails the calling
// test with the list of the missing ones.
void ExpectAssetsPresent(std::initializer_list<std::string> names);
void ExpectAssetsPresent(const std::vector<std::string>& names);

// "prefix%.2dsuffix" for first..last, the way the game numbers its files.
std::vector<std::string> NumberedAssets(const char* format, int first, int last);
