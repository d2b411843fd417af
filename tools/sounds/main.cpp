// Writes the demo data's sounds and music into the data folder given as the argument.
#include <cstdio>
#include <filesystem>

#include "ContentFile.h"
#include "platform/audio/WmaEncoder.h"
#include "sounds/SoundCatalog.h"
#include "sounds/Synth.h"
#include "sounds/WaveBuilder.h"
#include "sounds/XwmaBuilder.h"

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: make_sounds <data folder>\n");
        return 1;
    }
    const std::filesystem::path root = argv[1];
    bool ok = true;
    for (const CatalogEntry& entry : SoundEffectCatalog())
        ok &= WriteContentFile(root / entry.path, BuildWave(entry.make(), 1, synth::kRate));

    for (const CatalogEntry& entry : MusicCatalog())
    {
        const std::vector<int16_t> samples = entry.make();
        audio::EncodedWma wma;
        std::string error;
        if (!audio::EncodeWma2(samples.data(), samples.size(), 1, synth::kRate, 64000, wma, error))
        {
            std::fprintf(stderr, "make_sounds: %s: %s\n", entry.path.c_str(), error.c_str());
            ok = false;
            continue;
        }
        ok &= WriteContentFile(root / entry.path, BuildXwma(wma));
    }
    return ok ? 0 : 1;
}
