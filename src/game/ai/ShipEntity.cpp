#include "game/ai/ShipEntity.h"

#include "game/core/FixedText.h"

namespace Pelloris {

ShipEntity::ShipEntity(Ship* ship, const char* fraction) : _ship(ship) { CopyFixedText(_fraction, fraction); }

} // namespace Pelloris
