#pragma once

#include "layers/flash/FlashValue.h"

#include <string>
#include <vector>

// The XML texts that carry calls between the game and a movie, in both directions:
// <invoke name="F" returntype="xml"><arguments>...</arguments></invoke> for a call, one value
// element for a result. Decoding never fails: what it does not recognise is null.
namespace FlashHost {

// <NULL/>, <true/>, <false/>, <number>n</number> (six significant digits) or
// <string>escaped text</string>.
std::wstring EncodeValue(const FlashValue& value);
FlashValue DecodeValue(const std::wstring& text);

// The request for a call; the arguments element only when there are arguments. The name is
// written as given.
std::wstring BuildRequest(const std::wstring& name, const std::vector<FlashValue>& args);
// Splits a request into the function's name and its arguments; false (the request is dropped)
// without the invoke opening or the quote that closes the name.
bool ParseRequest(const std::wstring& request, std::wstring& name, Args& args);

} // namespace FlashHost
