#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "foundation/base/Assert.h"
#include "foundation/base/Format.h"
#include "foundation/base/MessageBox.h"

namespace {

TEST(AssertDeathTest, RuntimeAssertPrintsItsMessageAndExitsWithStatusOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    SetMessageBoxesInteractive(false);
    EXPECT_EXIT(ExecRuntimeAssert("ASSERT_Forced", nullptr, "..\\ResourceSystem\\ResourceSystem", 42,
                                  Format("No ResMgr's are registered for resource type <%s>", "xyz")),
                ::testing::ExitedWithCode(1),
                "ENGINE CRITICAL ERROR\nRuntime assertion failed! Application will be closed\n\nModule name: "
                "\".*test_base\"\nSource File: \"\\.\\.\\\\ResourceSystem\\\\ResourceSystem\"\nLine: 42\n"
                "Expression: \\[ASSERT_Forced\\]\n\nReason: No ResMgr's are registered for resource type <xyz>");
}

TEST(AssertDeathTest, RuntimeAssertWithoutReasonOmitsTheReasonLine)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    SetMessageBoxesInteractive(false);
    EXPECT_EXIT({ ExecRuntimeAssert("count > 0", nullptr, "file", 7, nullptr); }, ::testing::ExitedWithCode(1),
                "Expression: \\[count > 0\\]\n$");
}

TEST(AssertTest, DebugAssertReportsAndContinuesWithoutAUser)
{
    SetMessageBoxesInteractive(false);
    ::testing::internal::CaptureStderr();
    int answer = ExecAssert("x", nullptr, "path", 3, "why");
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, MB_RESULT_IGNORE);
    EXPECT_NE(err.find("ENGINE DEBUG ERROR\nAssertion failed!\n\nModule name: \""), std::string::npos);
    EXPECT_NE(err.find("Line: 3\nExpression: [x]\n\nReason: why"), std::string::npos);
}

TEST(MessageBoxTest, NeverInteractiveWithoutAUser)
{
    const char* display = getenv("DISPLAY");
    const std::string savedDisplay = display ? display : "";
    SetMessageBoxesInteractive(true);

    setenv("CI", "1", 1);
    EXPECT_FALSE(AreMessageBoxesInteractive());
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessageBox("text", "caption", MessageBoxIcon::Warning), MB_RESULT_OK);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "caption\ntext\n");
    unsetenv("CI");

    setenv("DISPLAY", "", 1);
    unsetenv("WAYLAND_DISPLAY");
    EXPECT_FALSE(AreMessageBoxesInteractive());
    setenv("DISPLAY", ":99", 1);
    SetMessageBoxesInteractive(false);
    EXPECT_FALSE(AreMessageBoxesInteractive());

    if (display)
        setenv("DISPLAY", savedDisplay.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

struct SeenBox
{
    std::string text, caption;
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
};
SeenBox seenBox;

int AnswerRetry(const char* text, const char* caption, MessageBoxIcon, MessageBoxButtons buttons)
{
    seenBox = {text, caption, buttons};
    return MB_RESULT_RETRY;
}

TEST(MessageBoxTest, AUserIsAskedThroughTheInstalledDialogOnly)
{
    const char* ci = getenv("CI");
    const char* display = getenv("DISPLAY");
    const std::string savedCi = ci ? ci : "", savedDisplay = display ? display : "";
    unsetenv("CI");
    setenv("DISPLAY", ":99", 1);
    SetMessageBoxesInteractive(true);
    ASSERT_TRUE(AreMessageBoxesInteractive());

    // Until the window layer installs its dialog the text is only reported.
    MessageBoxHook previous = SetMessageBoxHook(nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessageBox("t", "c", MessageBoxIcon::Error, MessageBoxButtons::AbortRetryIgnore), MB_RESULT_IGNORE);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "c\nt\n");

    SetMessageBoxHook(AnswerRetry);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessageBox("text", "caption", MessageBoxIcon::Error, MessageBoxButtons::AbortRetryIgnore),
              MB_RESULT_RETRY);
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(seenBox.text, "text");
    EXPECT_EQ(seenBox.caption, "caption");
    EXPECT_EQ(seenBox.buttons, MessageBoxButtons::AbortRetryIgnore);
    EXPECT_EQ(SetMessageBoxHook(previous), &AnswerRetry);

    SetMessageBoxesInteractive(false);
    ci ? setenv("CI", savedCi.c_str(), 1) : unsetenv("CI");
    display ? setenv("DISPLAY", savedDisplay.c_str(), 1) : unsetenv("DISPLAY");
}

} // namespace
