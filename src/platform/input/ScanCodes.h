#pragma once

// The keyboard codes the engine stores and tests: classic PC scan codes (set 1, extended keys
// with bit 0x80), 0..255. 0 means "no such key".
int SdlScancodeToScanCode(int sdlScancode);
int ScanCodeToSdlScancode(int scanCode);

// From a Linux input key code (an X key code less 8, as toolkits other than SDL report it).
int LinuxKeyCodeToScanCode(int keyCode);

// The key's display name as the platform gives it ("P", "Left Shift"); "" when unknown.
const char* ScanCodeName(int scanCode);
