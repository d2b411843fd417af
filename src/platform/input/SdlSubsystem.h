#pragma once

// Keeps the given SDL subsystems initialised for as long as it lives; SDL counts the
// initialisations, so every user may hold its own.
class SdlSubsystem
{
public:
    explicit SdlSubsystem(unsigned flags);
    ~SdlSubsystem();
    SdlSubsystem(const SdlSubsystem&) = delete;
    SdlSubsystem& operator=(const SdlSubsystem&) = delete;

    bool IsAvailable() const { return _flags != 0; }

private:
    unsigned _flags;
};
