#include "setup/SetupController.h"

#include <filesystem>

SetupController::SetupController(const std::vector<DisplayMode>& reportedModes)
    : _bindings((std::filesystem::current_path() / "config.ini").string()), _settings(reportedModes)
{}

bool SetupController::Save()
{
    // A file with no change stays as it is.
    const bool bindings = !_bindings.IsModified() || _bindings.Save();
    const bool settings = !_settings.IsModified() || _settings.Save();
    if (bindings)
        _bindings.ClearModified();
    if (settings)
        _settings.ClearModified();
    return bindings && settings;
}
