#include "layers/GuiConsolVisualizer.h"

#include "layers/FlashLayer.h"
#include "layers/flash/FlashControl.h"

void GuiConsolVisualizer::AddLineToConsole(const char* text) { Send(L"AddLineToConsole", text); }

void GuiConsolVisualizer::SetCurrentConsoleLine(const char* text) { Send(L"SetCurrentConsoleLine", text); }

void GuiConsolVisualizer::Send(const wchar_t* function, const char* text)
{
    if (_sending || !_console || !_console->GetFC())
        return;
    _sending = true;
    _console->GetFC()->callFunction(function, FlashHost::Args(FlashHost::FlashValue(text ? text : "")));
    _sending = false;
}
