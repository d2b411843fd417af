#pragma once

#include "foundation/base/Console.h"

class FlashLayer;

// Shows the game console's lines and input line in the console overlay's movie.
class GuiConsolVisualizer : public ConsolVisualizer
{
public:
    explicit GuiConsolVisualizer(FlashLayer* console) : _console(console) {}

    void AddLineToConsole(const char* text) override;
    void SetCurrentConsoleLine(const char* text) override;

private:
    // A line the movie itself logs while it takes one would come back to it without end: such
    // lines are not shown.
    void Send(const wchar_t* function, const char* text);

    FlashLayer* _console;
    bool _sending = false;
};
