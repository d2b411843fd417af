#include "game/core/messages/Message.h"

#include "game/core/FixedText.h"

MessagePlay2DSound::MessagePlay2DSound(const char* name_) { CopyFixedText(name, name_); }

MessageLoadSubLevel::MessageLoadSubLevel(const char* name_) { CopyFixedText(name, name_); }
