#pragma once

#include <string>
#include <string_view>

// Paths built in the game's data use "\\" and doubled "/"; these turn them into real paths.

// "\\" and runs of "/" become one "/".
std::string NormalizePath(std::string_view path);

// Normalises; when that path does not exist, matches each component case-insensitively against
// the folders on disk. When only the last component is missing, the resolved folder is kept with
// the last component as given (so new files land in the existing folder). Otherwise the
// normalised path is returned unchanged.
std::string ResolvePath(std::string_view path);
