// The game program Vantrel: a thin main over the engine library.
#include "launcher/Launcher.h"

#include <clocale>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::setlocale(LC_NUMERIC, "C");
    return RunLauncher(std::vector<std::string>(argv + 1, argv + argc));
}
