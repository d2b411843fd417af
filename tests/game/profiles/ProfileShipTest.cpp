// A fitted ship: slots, sums, flight model, the default fit and the prototype's speed.
#include <gtest/gtest.h>

#include <initializer_list>

#include "CoreTestSupport.h"
#include "ProfilesTestSupport.h"
#include "game/profiles/ProfileShip.h"

namespace {
// The sums a ship must hold: those of its devices, whatever the order of fitting.
void ExpectSumsOfDevices(const ProfileShip& ship)
{
    ShipParams expected;
    for (unsigned i = 0; i < ship.GetDeviceCount(); ++i)
    {
        const DeviceType& d = *ship.GetDeviceByIndex(i);
        expected.shield += d.shield;
        expected.armor += d.armor;
        expected.speed += d.speed;
        expected.accelerationAng += d.accelerationAng;
    }
    const ShipParams& params = ship.GetParams();
    EXPECT_EQ(expected.shield, params.shield);
    EXPECT_EQ(expected.shield, params.maxShield);
    EXPECT_EQ(expected.armor, params.armor);
    EXPECT_EQ(expected.armor, params.maxArmor);
    EXPECT_EQ(expected.speed, params.speed);
    EXPECT_EQ(expected.accelerationAng, params.accelerationAng);
}
} // namespace

TEST(ProfileShip, FittingASlotThatIsTakenReplacesItsDeviceAndTheSumsMoveByTheDifference)
{
    TestGameData data(false);
    DeviceType* gunA = data.Device(1, 0, 0);
    DeviceType* gunB = data.Device(2, 0, 0);
    DeviceType* armor = data.Device(3, 1, 0);
    DeviceType* engine = data.Device(4, 2, 1);
    gunA->shield = 5;
    gunB->shield = 8;
    gunB->accelerationAng = 0.5f;
    armor->armor = 40;
    engine->speed = 30;

    ProfileShip ship(&data.Get(), "Hawk");
    for (DeviceType* device : {gunA, armor, engine, gunA})
        ship.AddDevice(device);
    EXPECT_EQ(3u, ship.GetDeviceCount()) << "a device fitted twice is listed once";
    EXPECT_EQ(5, ship.GetParams().shield);

    ship.AddDevice(gunB);
    EXPECT_EQ(gunB, ship.GetDevice(0, 0));
    EXPECT_EQ(3u, ship.GetDeviceCount());
    EXPECT_EQ(8, ship.GetParams().shield);
    ExpectSumsOfDevices(ship);
    // The replaced device's place went to the last device; the new one is appended.
    EXPECT_EQ(engine, ship.GetDeviceByIndex(0));
    EXPECT_EQ(gunB, ship.GetDeviceByIndex(2));

    ship.RemoveDevice(armor);
    ship.RemoveDevice(armor);
    ship.AddDevice(nullptr);
    EXPECT_EQ(nullptr, ship.GetDevice(1, 0));
    EXPECT_EQ(2u, ship.GetDeviceCount());
    ExpectSumsOfDevices(ship);
    EXPECT_EQ(0, ship.GetParams().armor);
}

TEST(ProfileShip, FlightModelIsTheBestOfTheDevices)
{
    struct Case
    {
        std::initializer_list<float> models;
        eFlightModel expected;
    };
    for (const Case& c :
         {Case{{}, FLIGHT_MODEL_DIRECT}, Case{{1, 1}, FLIGHT_MODEL_DIRECT}, Case{{1, 2}, FLIGHT_MODEL_STRAFE},
          Case{{3, 2}, FLIGHT_MODEL_DUPLEX}, Case{{1, 4.5f, 2}, FLIGHT_MODEL_COMBY}, Case{{4, 5}, FLIGHT_MODEL_DIRECT},
          Case{{1e30f, 2}, FLIGHT_MODEL_DIRECT}})
    {
        TestGameData data(false);
        ProfileShip ship(&data.Get());
        float slot = 0;
        for (float model : c.models)
        {
            DeviceType* device = data.Device(slot + 1, 3, slot);
            device->flightModel = model;
            ship.AddDevice(device);
            ++slot;
        }
        EXPECT_EQ(c.expected, ship.GetFlightModel()) << "devices: " << c.models.size();
    }
}

TEST(ProfileShip, DefaultFitSkipsDevicesTheGameDataLacks)
{
    TestGameData data(false);
    data.Device(31111, 0, 0);
    data.Device(31679, 3, 3);
    ProfileShip ship(&data.Get(), "Default");
    LogWatch log;
    ship.CreateDefault();
    EXPECT_EQ(2u, ship.GetDeviceCount());
    EXPECT_EQ(15, log.Count("is not in the game data"));

    ProfileShip bare(nullptr);
    bare.CreateDefault();
    EXPECT_EQ(0u, bare.GetDeviceCount());
}

TEST(ProfileShip, SpeedAndAccelerationComeFromThePlayersShipPrototype)
{
    TestGameData data;
    ProfileShip ship(&data.Get());
    EXPECT_EQ(120, ship.GetSpeed());
    EXPECT_EQ(300, ship.GetAcceleration());

    TestGameData noPlayer(false);
    ProfileShip stray(&noPlayer.Get());
    LogWatch log;
    EXPECT_EQ(0, stray.GetSpeed());
    EXPECT_EQ(1, log.Count("\"Player\""));
}
