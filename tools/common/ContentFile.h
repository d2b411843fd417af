#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// Writes one generated demo file, making its folders; says on standard error which file failed.
bool WriteContentFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
