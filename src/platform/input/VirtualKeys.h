#pragma once

// The virtual-key codes the console expects ('A'..'Z', '0'..'9', 0x0D return, 0x25..0x28
// arrows, 0xC0 grave...), from an SDL key symbol; 0 for keys without one. Both shift, control
// and alt keys give the generic code of their kind.
int SdlKeyToVirtualKey(int sdlKey);
