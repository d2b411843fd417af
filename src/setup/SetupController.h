#pragma once

#include "setup/BindingsEditor.h"
#include "setup/SetupSettings.h"

#include <vector>

// What the settings program edits, apart from its widgets: the bindings of "config.ini" and
// the settings of "config.cfg", both in the working folder. "Apply" is enabled while either
// has unsaved changes.
class SetupController
{
public:
    // Loads both files; `reportedModes` are the display's modes.
    explicit SetupController(const std::vector<DisplayMode>& reportedModes);

    BindingsEditor& Bindings() { return _bindings; }
    SetupSettings& Settings() { return _settings; }

    bool IsApplyEnabled() const { return _bindings.IsModified() || _settings.IsModified(); }
    // Writes each file that has changes; true when they were written, and only then the changes
    // count as saved.
    bool Save();

private:
    BindingsEditor _bindings;
    SetupSettings _settings;
};
