// Writes the demo data's movies into the data folder given as the argument.
#include "videos/MovieCatalog.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: make_videos <data folder>\n");
        return 1;
    }
    const std::filesystem::path root = argv[1];
    bool ok = true;
    for (const MovieEntry& movie : MovieCatalog())
    {
        const std::filesystem::path path = root / movie.path;
        std::error_code ignored;
        std::filesystem::create_directories(path.parent_path(), ignored);
        std::string error;
        const video::AviSound* sound = movie.sound.samples.empty() ? nullptr : &movie.sound;
        if (!video::WriteAvi(path.string(), movie.format, movie.paint, error, sound))
        {
            std::fprintf(stderr, "make_videos: %s: %s\n", movie.path.c_str(), error.c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
