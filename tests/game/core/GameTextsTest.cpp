// The texts reader: what a file's bytes give, and what a missing or broken file does.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "CoreTestSupport.h"
#include "game/core/texts/GameTexts.h"

namespace {
struct TextsCase
{
    const char* what;
    std::string content;
    std::map<std::string, std::string> expected; // code -> text
    std::vector<std::string> absent;             // codes that must not be stored
};

class GameTextsFile : public testing::TestWithParam<TextsCase>
{};

std::string Text(const GameTexts& texts, const std::string& code) { return texts.GetTextByCode(code.c_str()); }
} // namespace

TEST_P(GameTextsFile, GivesTheseEntries)
{
    const TextsCase& test = GetParam();
    WorkingFolder folder;
    folder.Write("texts/xx/case.txt", test.content);
    GameTexts texts;
    ASSERT_TRUE(texts.LoadTextsFromFile("xx", "case.txt"));
    for (const auto& [code, text] : test.expected)
        EXPECT_EQ(text, Text(texts, code)) << "code " << code;
    for (const std::string& code : test.absent)
        EXPECT_EQ(code, Text(texts, code)) << "code " << code;
}

INSTANTIATE_TEST_SUITE_P(
    Reader, GameTextsFile,
    testing::Values(
        TextsCase{"blanks in a code are dropped", "ui a = word<end>", {{"uia", " word"}}, {"ui a"}},
        TextsCase{"a tab stays in the code", "a\tb=x<end>", {{"a\tb", "x"}}, {"ab"}},
        TextsCase{"texts over several lines", "k=line one\nline two\n<end>", {{"k", "line one\nline two\n"}}, {}},
        TextsCase{"\"=\" inside a text", "k=a=b<end>", {{"k", "a=b"}}, {}},
        TextsCase{"a text that is only the marker", "k=<end>", {{"k", "<end>"}}, {}},
        TextsCase{"blank lines between entries", "k1=x<end>  \n\n  k2=y<end>\n", {{"k1", "x"}, {"k2", "y"}}, {}},
        TextsCase{"the first entry of a code wins", "k=first<end>\nk=second<end>", {{"k", "first"}}, {}},
        TextsCase{"CRLF files", "k1=one\r\ntwo<end>\r\nk2=three<end>\r\n", {{"k1", "one\ntwo"}, {"k2", "three"}}, {}},
        TextsCase{"CR-only files", "k1=a\rb<end>\rk2=c<end>", {{"k1", "a\nb"}, {"k2", "c"}}, {}},
        TextsCase{"an entry without its marker at the end", "k1=x<end>\nk2=never", {{"k1", "x"}}, {"k2"}},
        TextsCase{"a half marker is text", "k=a<en d<end>", {{"k", "a<en d"}}, {}},
        TextsCase{"an empty file", "", {}, {"k"}}),
    [](const testing::TestParamInfo<TextsCase>& info) { return "Case" + std::to_string(info.index); });

TEST(GameTexts, FirstFileLoadedWins)
{
    WorkingFolder folder;
    folder.Write("texts/xx/one.txt", "shared=from one<end>only_one=1<end>");
    folder.Write("texts/xx/two.txt", "shared=from two<end>only_two=2<end>");
    GameTexts texts;
    texts.LoadTextsFromFile("xx", "one.txt");
    texts.LoadTextsFromFile("xx", "two.txt");
    EXPECT_STREQ("from one", texts.GetTextByCode("shared"));
    EXPECT_STREQ("1", texts.GetTextByCode("only_one"));
    EXPECT_STREQ("2", texts.GetTextByCode("only_two"));
}

// Codes and texts are bounded; the reader cuts them and goes on with the next entry.
TEST(GameTexts, OverlongCodesAndTextsAreCutAndReadingGoesOn)
{
    WorkingFolder folder;
    const std::string longCode(300, 'c');
    const std::string longText(5000, 't');
    folder.Write("texts/xx/long.txt", longCode + "=short<end>\nlong=" + longText + "<end>\nnext=ok<end>");
    LogWatch log;
    GameTexts texts;
    texts.LoadTextsFromFile("xx", "long.txt");
    EXPECT_STREQ("short", texts.GetTextByCode(longCode.substr(0, 255).c_str()));
    EXPECT_EQ(std::string(4090, 't'), texts.GetTextByCode("long"));
    EXPECT_STREQ("ok", texts.GetTextByCode("next"));
    EXPECT_EQ(2, log.Warnings());
}

TEST(GameTexts, MissingFileIsAWarningAndCodesShowThemselves)
{
    WorkingFolder folder;
    LogWatch log;
    GameTexts texts;
    EXPECT_FALSE(texts.LoadTextsFromFile("xx", "missing.txt"));
    EXPECT_EQ(1, log.Count("missing.txt"));
    EXPECT_EQ(1, log.Warnings());
    const char* code = "ui_nothing";
    EXPECT_EQ(code, texts.GetTextByCode(code));
}

TEST(GameTexts, PathIsFoundWhateverTheCaseOnDisk)
{
    WorkingFolder folder;
    folder.Write("texts/en/ui_common.txt", "k=v<end>");
    GameTexts texts;
    EXPECT_TRUE(texts.LoadTextsFromFile("EN", "UI_Common.txt"));
    EXPECT_STREQ("v", texts.GetTextByCode("k"));
}
