// The device type selection: its carousel stations, its slot lists filled by the hangar screen,
// the fitted devices it starts from, and the fitting it does when its choice changes.
#include "HangarFixture.h"

#include "gui/hangar/GuiDeviceTypeSelection.h"

using Strings = std::vector<std::string>;

TEST_F(HangarTest, StationsBlendBetweenTheirNeighboursAndLieOutsideBeyondThem)
{
    GuiDeviceTypeSelection selection(&_angar);
    selection.Load();
    struct Case
    {
        float station;
        Vec2 pos;
        float frame, image;
    };
    const float out = GuiDeviceTypeSelection::Outside;
    for (const Case& test :
         {Case{0.0f, {267, 1140}, 16, 16}, Case{3.0f, {568, 778}, 180, 100}, Case{6.0f, {955, 1140}, 16, 16},
          Case{1.5f, {408.5f, 820.5f}, 108, 85}, Case{5.25f, {880, 915}, 70, 56.5f}, Case{-0.01f, {out, out}, 0, 0},
          Case{6.01f, {out, out}, 0, 0}})
    {
        SCOPED_TRACE(test.station);
        EXPECT_FLOAT_EQ(selection.GetDeviceFPos(test.station).x, test.pos.x);
        EXPECT_FLOAT_EQ(selection.GetDeviceFPos(test.station).y, test.pos.y);
        EXPECT_FLOAT_EQ(selection.GetDeviceFSize(test.station).x, test.frame);
        EXPECT_FLOAT_EQ(selection.GetDeviceImageFSize(test.station).y, test.image);
    }
    // Pictures are centred in their frames.
    EXPECT_FLOAT_EQ(selection.GetDeviceImageFPos(3.0f).x, 568.0f + 40.0f);
    EXPECT_FLOAT_EQ(selection.GetDeviceImageFPos(-1.0f).x, out);
}

TEST_F(HangarTest, StationsFollowTheScreensScaleAndCentre)
{
    Screen(1920, 960); // scale 1, the design frame centred 320 pixels in
    GuiDeviceTypeSelection selection(&_angar);
    selection.Load();
    EXPECT_FLOAT_EQ(selection.GetDeviceFPos(3.0f).x, 568.0f + 320.0f);
    Screen(640, 480); // scale 0.5
    selection.RecalculatePositions();
    EXPECT_FLOAT_EQ(selection.GetDeviceFPos(3.0f).y, 389.0f);
    EXPECT_FLOAT_EQ(selection.GetDeviceFSize(3.0f).x, 90.0f);
}

TEST_F(HangarTest, SlotsAreFoundByNameAndTakeOnlyTheirOwnDevices)
{
    GuiDeviceTypeSelection selection(&_angar);
    GuiSubDevice* cannons = selection.GetSubDeviceType(0, "Cannons");
    EXPECT_EQ(selection.GetSubDeviceType(0, "Cannons"), cannons);
    EXPECT_NE(selection.GetSubDeviceType(1, "Cannons"), cannons) << "each category has its own slots";
    EXPECT_EQ(selection.GetSubDeviceType(4, "Cannons"), nullptr);

    auto device = std::make_unique<GuiDevice>(Device("gun", 0, 0));
    EXPECT_TRUE(selection.AddDevice(cannons, device.release()));
    GuiSubDevice stranger("Stranger");
    auto other = std::make_unique<GuiDevice>(Device("other", 0, 0));
    EXPECT_FALSE(selection.AddDevice(&stranger, other.get()));
    EXPECT_EQ(cannons->Count(), 1);
    EXPECT_EQ(stranger.Count(), 0);
}

TEST_F(HangarTest, DefaultValuesStartFromTheFittedDevicesAndStopAtAnEmptySlot)
{
    GuiDeviceTypeSelection selection(&_angar);
    DeviceType* gunA = Device("gunA", 0, 0);
    DeviceType* gunB = Device("gunB", 0, 0);
    DeviceType* plate = Device("plate", 1, 5);
    GuiSubDevice* guns = selection.GetSubDeviceType(0, "Guns");
    selection.AddDevice(guns, new GuiDevice(gunA));
    selection.AddDevice(guns, new GuiDevice(gunB));
    GuiSubDevice* plates = selection.GetSubDeviceType(1, "Plates");
    selection.AddDevice(plates, new GuiDevice(plate));
    _angar.SwitchDevice(gunB, 0, 0);
    _angar.Calls();

    selection.InitDefaultValues();
    EXPECT_EQ(guns->selected, 1);
    EXPECT_EQ(plates->selected, 0) << "nothing fitted there: the selection stays";
    EXPECT_EQ(_angar.Calls(), Strings{"switch gunB 0 0"});
    EXPECT_EQ(LogCount("selection = 1"), 1);
    EXPECT_EQ(LogCount("selection = -1"), 1);

    // A slot without devices ends the walk before the slots after it.
    selection.GetSubDeviceType(0, "Empty");
    GuiSubDevice* later = selection.GetSubDeviceType(1, "Later");
    selection.AddDevice(later, new GuiDevice(Device("later", 1, 6)));
    _angar.SwitchDevice(plate, 1, 5);
    _angar.Calls();
    selection.InitDefaultValues();
    EXPECT_EQ(_angar.Calls(), Strings{"switch gunB 0 0"});
    EXPECT_EQ(plates->selected, 0);
}

TEST_F(HangarTest, ChoosingADeviceFitsItAndEntersItsSlotOnce)
{
    GuiDeviceTypeSelection selection(&_angar);
    selection.Load();
    GuiSubDevice* guns = selection.GetSubDeviceType(0, "Guns");
    selection.AddDevice(guns, new GuiDevice(Device("gunA", 0, 0)));
    selection.AddDevice(guns, new GuiDevice(Device("gunB", 0, 0)));
    GuiSubDevice* rockets = selection.GetSubDeviceType(0, "Rockets");
    selection.AddDevice(rockets, new GuiDevice(Device("rocket", 0, 3)));

    selection.SetDeviceType(SDT_NONE);
    selection.Proceed();
    EXPECT_TRUE(_angar.Calls().empty()) << "no category, nothing to fit";

    selection.SetDeviceType(SDT_WEAPONRY);
    selection.Proceed();
    EXPECT_EQ(_angar.Calls(), (Strings{"switch gunA 0 0", "enter 0 0"}));
    selection.Proceed();
    EXPECT_TRUE(_angar.Calls().empty());

    selection.IncSelectionDevice();
    EXPECT_EQ(guns->selected, 1);
    selection.IncSelectionDevice(); // there is no third gun
    EXPECT_EQ(guns->selected, 1);
    selection.Proceed();
    EXPECT_EQ(_angar.Calls(), (Strings{"switch gunB 0 0", "switch gunB 0 0", "leave 0 0", "enter 0 0"}));

    selection.IncSelection();
    EXPECT_EQ(selection.GetSelectedSubDevice(), rockets);
    selection.IncSelection();
    EXPECT_EQ(selection.GetSelectedSubDevice(), rockets) << "no slot after the last";
    selection.Proceed();
    EXPECT_EQ(_angar.Calls(), (Strings{"switch rocket 0 3", "leave 0 0", "enter 0 3"}));
    selection.DecSelection();
    EXPECT_EQ(selection.GetSelectedSubDevice(), guns);
}

TEST_F(HangarTest, ConfigurationLevelsOutside0To1AreIgnored)
{
    GuiDeviceTypeSelection selection(&_angar);
    selection.SetConfigurationLvl(0, 0.75f);
    selection.SetConfigurationLvl(0, 1.5f);
    selection.SetConfigurationLvl(1, -0.5f);
    selection.SetConfigurationLvl(6, 0.5f);
    EXPECT_FLOAT_EQ(selection.GetConfigurationLvl(0), 0.75f);
    EXPECT_FLOAT_EQ(selection.GetConfigurationLvl(1), 0.0f);
    EXPECT_FLOAT_EQ(selection.GetConfigurationLvl(6), 0.0f);
}

TEST_F(HangarTest, ASlotWithoutAChosenDeviceFitsNothing)
{
    DeviceType* fitted = Device("fitted", 0, 0);
    for (int selected : {-1, 2})
    {
        SCOPED_TRACE(selected);
        GuiDeviceTypeSelection selection(&_angar);
        selection.Load();
        GuiSubDevice* guns = selection.GetSubDeviceType(0, "Guns");
        selection.AddDevice(guns, new GuiDevice(Device("gunA", 0, 0)));
        selection.AddDevice(guns, new GuiDevice(Device("gunB", 0, 0)));
        _angar.SwitchDevice(fitted, 0, 0);
        _angar.Calls();
        guns->selected = selected;
        selection.SetDeviceType(SDT_WEAPONRY);
        selection.Proceed();
        selection.Proceed();
        EXPECT_TRUE(_angar.Calls().empty());
        EXPECT_EQ(_angar.GetCurrentDevice(0, 0), fitted);
        EXPECT_EQ(guns->selected, selected);
    }
}
