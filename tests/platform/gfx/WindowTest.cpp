#include "platform/window/Displays.h"
#include "platform/window/Window.h"
#include "platform/window/WindowEvents.h"

#include <gtest/gtest.h>

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
