#pragma once

#include <memory>

class GuiPersonalInfo;
class GuiTipsPanel;
class GuiTitle;
class GuiTitleButton;

// What the multiplayer menu and the lobby show around their content: the title, the tips strip,
// the pilot header and three column headers, left, centred and right-aligned at the top of the
// columns.
class MultiplayerPage
{
public:
    static constexpr int HeaderCount = 3;

    MultiplayerPage();
    ~MultiplayerPage();
    MultiplayerPage(const MultiplayerPage&) = delete;
    MultiplayerPage& operator=(const MultiplayerPage&) = delete;

    // The title and the headers' captions are the texts of the codes.
    void Load(const char* titleCode, const char* const (&headerCodes)[HeaderCount]);
    void Unload();

    // Null while unloaded.
    GuiTitleButton* GetHeader(int header) const;

private:
    std::unique_ptr<GuiTitle> _title;
    std::unique_ptr<GuiTipsPanel> _tips;
    std::unique_ptr<GuiPersonalInfo> _personal_info;
    std::unique_ptr<GuiTitleButton> _headers[HeaderCount];
};
