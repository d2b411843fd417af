#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

// A fresh folder per test, so test processes running side by side never share files.
class ScratchDir
{
public:
    ScratchDir()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        _path = std::filesystem::path("scratch") / (std::string(info->test_suite_name()) + "." + info->name());
        std::filesystem::remove_all(_path);
        std::filesystem::create_directories(_path);
    }
    ~ScratchDir() { std::filesystem::remove_all(_path); }

    std::string operator/(const std::string& name) const { return (_path / name).string(); }
    const std::filesystem::path& Path() const { return _path; }

    void Write(const std::string& name, const std::string& bytes) const
    {
        std::filesystem::create_directories((_path / name).parent_path());
        std::ofstream(_path / name, std::ios::binary) << bytes;
    }

    std::string Read(const std::string& name) const
    {
        std::ifstream in(_path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path _path;
};
