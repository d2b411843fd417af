#pragma once
// The flight models of the player's ship. A device's `flightModel` names one as 1 + its value
// (2 strafe, 3 duplex, 4 combined); the profile ship picks the best of its devices.

enum eFlightModel
{
    FLIGHT_MODEL_DIRECT = 0,
    FLIGHT_MODEL_STRAFE = 1,
    FLIGHT_MODEL_DUPLEX = 2,
    FLIGHT_MODEL_COMBY = 3,
};
