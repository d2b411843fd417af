#include "platform/window/Displays.h"
#include "platform/window/Window.h"
#include "platform/window/WindowEvents.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(WindowTest, DisplaysWindowsAndEvents)
{
    Window::Style style;
    style.hidden = true;
    std::string error;
    auto window = Window::Create("window test", 200, 100, style, &error);
    if (!window)
        GTEST_SKIP() << "no display: " << error;
    EXPECT_EQ(Window::FromHandle(window->GetHandle()), window.get());
    int width = 0, height = 0;
    window->GetSize(width, height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 100);
    window->SetSize(300, 150);
    window->GetSize(width, height);
    EXPECT_EQ(width, 300);
    EXPECT_FALSE(window->IsFullscreen());

    Displays displays;
    ASSERT_GE(displays.GetCount(), 1);
    DisplayMode desktop;
    ASSERT_TRUE(displays.GetDesktopMode(0, desktop));
    EXPECT_GT(desktop.width, 0);
    EXPECT_FALSE(displays.GetModes(0).empty());
    EXPECT_TRUE(displays.GetModes(displays.GetCount()).empty());
    EXPECT_FALSE(displays.GetDesktopMode(-1, desktop));

    // Draining the queue terminates and leaves it empty.
    WindowEvent event;
    while (PollWindowEvent(event))
    {}
    EXPECT_FALSE(PollWindowEvent(event));
}

TEST(WindowTest, EveryNewSizeKeepsTheWindowCentredOnItsDisplay)
{
    // Shown, as the game's window is, at the size the game starts with.
    std::string error;
    auto window = Window::Create("centre test", 1024, 768, Window::Style{}, &error);
    if (!window)
        GTEST_SKIP() << "no display: " << error;
    DisplayMode desktop;
    ASSERT_TRUE(Displays().GetDesktopMode(window->GetDisplayIndex(), desktop));

    const struct
    {
        int width, height;
    } sizes[] = {{desktop.width, desktop.height},
                 {800, 600},
                 {1024, 768},
                 {1024, 600}, // a new height only
                 {800, 600},  // a new width only
                 {desktop.width + 200, desktop.height + 100}};
    for (const auto& size : sizes)
    {
        window->SetSize(size.width, size.height);
        WindowEvent event;
        while (PollWindowEvent(event))
        {}
        int x = -1, y = -1, width = 0, height = 0;
        window->GetPosition(x, y);
        window->GetSize(width, height);
        EXPECT_EQ(x, std::max(0, (desktop.width - width) / 2)) << size.width << "x" << size.height;
        EXPECT_EQ(y, std::max(0, (desktop.height - height) / 2)) << size.width << "x" << size.height;
    }
}
