#include "WidgetFixture.h"

#include "layers/widgets/GuiTextBlock.h"

TEST(GuiTextBlock, KeepsAtMost127BytesOfEachText)
{
    GuiTextBlock block;
    EXPECT_STREQ(block.GetCaption(), "");
    const std::string lengthy(200, 'x');
    block.SetCaption(lengthy.c_str());
    block.SetText("12 km");
    EXPECT_EQ(std::string(block.GetCaption()), std::string(127, 'x'));
    EXPECT_STREQ(block.GetText(), "12 km");
    block.SetText(nullptr);
    EXPECT_STREQ(block.GetText(), "");
    // A three-byte character across the end is left out whole.
    const std::string euro = std::string(125, 'y') + "\xE2\x82\xAC";
    block.SetText(euro.c_str());
    EXPECT_EQ(std::string(block.GetText()), std::string(125, 'y'));
}
