#include "platform/input/ScanCodes.h"
#include "platform/input/VirtualKeys.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

TEST(KeyCodesTest, ScancodesMapToClassicScanCodes)
{
    const struct
    {
        SDL_Scancode sdl;
        int code;
    } cases[] = {
        {SDL_SCANCODE_ESCAPE, 1},      {SDL_SCANCODE_RETURN, 28}, {SDL_SCANCODE_P, 25},
        {SDL_SCANCODE_W, 17},          {SDL_SCANCODE_A, 30},      {SDL_SCANCODE_S, 31},
        {SDL_SCANCODE_D, 32},          {SDL_SCANCODE_Q, 16},      {SDL_SCANCODE_E, 18},
        {SDL_SCANCODE_SPACE, 57},      {SDL_SCANCODE_TAB, 15},    {SDL_SCANCODE_LSHIFT, 42},
        {SDL_SCANCODE_R, 19},          {SDL_SCANCODE_T, 20},      {SDL_SCANCODE_F12, 88},
        {SDL_SCANCODE_KP_ENTER, 156},  {SDL_SCANCODE_RCTRL, 157}, {SDL_SCANCODE_RALT, 184},
        {SDL_SCANCODE_DELETE, 211},    {SDL_SCANCODE_UP, 200},    {SDL_SCANCODE_LEFT, 203},
        {SDL_SCANCODE_RIGHT, 205},     {SDL_SCANCODE_DOWN, 208},  {SDL_SCANCODE_GRAVE, 41},
        {SDL_SCANCODE_KP_DIVIDE, 181}, {SDL_SCANCODE_PAUSE, 197}, {SDL_SCANCODE_UNKNOWN, 0},
        {SDL_SCANCODE_F24, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SdlScancodeToScanCode(c.sdl), c.code) << SDL_GetScancodeName(c.sdl);

    // Every code the table knows leads back to itself; nothing else maps to a key.
    int known = 0;
    for (int code = 0; code < 256; ++code)
    {
        const int sdl = ScanCodeToSdlScancode(code);
        if (sdl == SDL_SCANCODE_UNKNOWN)
            continue;
        ++known;
        EXPECT_EQ(SdlScancodeToScanCode(sdl), code);
    }
    EXPECT_GT(known, 100);
    EXPECT_EQ(SdlScancodeToScanCode(-1), 0);
    EXPECT_EQ(SdlScancodeToScanCode(100000), 0);
    EXPECT_EQ(ScanCodeToSdlScancode(256), SDL_SCANCODE_UNKNOWN);
    EXPECT_STREQ(ScanCodeName(25), "P");
    EXPECT_STREQ(ScanCodeName(0), "");
}

TEST(KeyCodesTest, LinuxKeyCodesMapToTheSameScanCodes)
{
    const struct
    {
        int linuxCode, code;
    } cases[] = {{1, 1},     {25, 25},   {28, 28},   {57, 57}, {88, 88}, {96, 156}, {97, 157},
                 {103, 200}, {111, 211}, {125, 219}, {84, 0},  {0, 0},   {-3, 0},   {500, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(LinuxKeyCodeToScanCode(c.linuxCode), c.code) << c.linuxCode;
}

TEST(KeyCodesTest, KeysMapToConsoleVirtualKeys)
{
    const struct
    {
        SDL_Keycode key;
        int vk;
    } cases[] = {
        {SDLK_a, 'A'},          {SDLK_z, 'Z'},       {SDLK_0, '0'},          {SDLK_RETURN, 0x0D},
        {SDLK_BACKSPACE, 0x08}, {SDLK_ESCAPE, 0x1B}, {SDLK_BACKQUOTE, 0xC0}, {SDLK_UP, 0x26},
        {SDLK_F1, 0x70},        {SDLK_F24, 0x87},    {SDLK_RSHIFT, 0x10},    {SDLK_LCTRL, 0x11},
        {SDLK_DELETE, 0x2E},    {SDLK_KP_5, 0x65},   {SDLK_UNKNOWN, 0},      {SDLK_EXCLAIM, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SdlKeyToVirtualKey(c.key), c.vk) << SDL_GetKeyName(c.key);
}

} // namespace
