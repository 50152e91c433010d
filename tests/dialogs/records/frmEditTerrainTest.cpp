#include "RecordEditorDriver.h"

#include "dialogs/records/frmEditTerrain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace {
TerrainType& Terrain(int n) {
    return Scen.TerrainTypes[static_cast<std::size_t>(n)];
}

class TerrainEditorTest : public RecordEditorTest {
  protected:
    void SetUp() override {
        RecordEditorTest::SetUp();
        TerrainType door;
        door.Name = "  Oak door                    ";
        door.Picture = 140;
        door.Extra1 = 120;
        door.Extra2 = 200;
        door.Blockage = 5;
        door.SpecialProperty = 24;
        door.ShortcutKey = "d";
        door.TerrainSet = 4;
        Terrain(120) = door;
    }

    frmEditTerrain& Edit(std::int16_t number, std::function<void(frmEditTerrain&)> action) {
        return Open<frmEditTerrain>([number](frmEditTerrain& d) { d.TerrNum = number; },
                                    std::move(action));
    }

    // Sets the property as the author does, by choosing it in its list.
    static void Property(frmEditTerrain& d, int property) { Choose(d.lstSpProperty, property); }
};
} // namespace

TEST_F(TerrainEditorTest, DoorShowsNoSoundAs99AndStoresItAs200) {
    Edit(120, [](frmEditTerrain& d) {
        EXPECT_EQ(d.txtName->text(), "Oak door");
        EXPECT_EQ(d.lblExtra[1]->text(), "Number of sound (99 - no sound)");
        EXPECT_EQ(d.txtExtra[1]->text(), "99");
        EXPECT_TRUE(d.lstChoose[1]->isVisibleTo(&d));
        EXPECT_EQ(d.lstChoose[1]->currentText(), "99 - No sound");
        EXPECT_EQ(d.lstChoose[0]->currentIndex(), 120);
        EXPECT_EQ(d.lblTerrSet->text(), "Terrain Set: 4");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Terrain(120).Extra2, 200);
    EXPECT_EQ(Terrain(120).Name, "Oak door                      ");

    Edit(120, [](frmEditTerrain& d) {
        Choose(d.lstChoose[1], 5);
        EXPECT_EQ(d.txtExtra[1]->text(), "5");
        Choose(d.lstTransform, 7);
        Click(d.optSound[2]);
        Click(d.chkBoatOver);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Terrain(120).Extra2, 5);
    EXPECT_EQ(Terrain(120).TransformTo, 7);
    EXPECT_EQ(Terrain(120).Sound, 2);
    EXPECT_EQ(Terrain(120).BoatOver, 1);
}

TEST_F(TerrainEditorTest, GameTerrainKeepsEverythingButTheShortcutKey) {
    const TerrainType before = Terrain(90);
    Edit(90, [](frmEditTerrain& d) {
        Type(d.txtName, "Renamed");
        Click(d.optBlockage[0]);
        Type(d.txtShortcutKey, "");
        Click(d.cmdOK);
    });
    TerrainType expected = before;
    expected.ShortcutKey = " ";
    EXPECT_EQ(Terrain(90), expected);
}

TEST_F(TerrainEditorTest, SoundAbove99IsRefusedAfterTheValidator) {
    Edit(120, [this](frmEditTerrain& d) {
        Property(d, 1);
        EXPECT_EQ(d.lblExtra[1]->text(), "Number of sound (200 - no sound)");
        Type(d.txtExtra[1], "150");
        EXPECT_EQ(Messages(), std::vector<std::string>{"Sound number must be 0-99."});
        QTest::keyClick(d.txtExtra[1], Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        Type(d.txtExtra[1], "250");
        EXPECT_EQ(Messages().size(), 3u);
        EXPECT_EQ(Messages()[1], "Sound must be between 0 and 200.");
        Leave(d.txtExtra[1]);
        EXPECT_EQ(d.txtExtra[1]->text(), "99");
        Click(d.cmdOK);
    });
    // Property 1 maps nothing: the 99 shown is stored as it is.
    EXPECT_EQ(Terrain(120).SpecialProperty, 1);
    EXPECT_EQ(Terrain(120).Extra2, 99);
}

TEST_F(TerrainEditorTest, ExtraValuesStayAcrossPropertiesAndUnusedOnesAreStoredAsZero) {
    Terrain(120).SpecialProperty = 5;
    Terrain(120).Extra1 = 3;
    Terrain(120).Extra2 = 100;
    Edit(120, [](frmEditTerrain& d) {
        EXPECT_FALSE(d.lstChoose[1]->isVisibleTo(&d));
        Property(d, 1);
        EXPECT_EQ(d.txtExtra[1]->text(), "100");
        EXPECT_TRUE(d.lstChoose[1]->isVisibleTo(&d));
        EXPECT_EQ(d.lstChoose[1]->currentIndex(), -1);
        Property(d, 11);
        EXPECT_EQ(d.lblExtra[0]->text(), "Unused");
        Type(d.txtExtra[0], "7");
        EXPECT_EQ(d.txtExtra[0]->text(), "0");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Terrain(120).SpecialProperty, 11);
    EXPECT_EQ(Terrain(120).Extra1, 0);
    EXPECT_EQ(Terrain(120).Extra2, 0);
}

TEST_F(TerrainEditorTest, EmptyBoxesBecomeZeroOrGetTheirValueBack) {
    Terrain(120).SpecialProperty = 5;
    Terrain(120).Extra1 = 3;
    Terrain(120).Extra2 = 40;
    Terrain(120).Light = 2;
    Edit(120, [this](frmEditTerrain& d) {
        Type(d.txtLight, "");
        Leave(d.txtLight);
        EXPECT_EQ(d.txtLight->text(), "0");
        Type(d.txtExtra[1], "");
        Leave(d.txtExtra[1]);
        EXPECT_EQ(d.txtExtra[1]->text(), "0");
        Type(d.txtExtra[0], "");
        EXPECT_EQ(Messages(), std::vector<std::string>{"Strength must be between 1 and 8."});
        Leave(d.txtExtra[0]);
        EXPECT_EQ(d.txtExtra[0]->text(), "3");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Terrain(120).Light, 0);
    EXPECT_EQ(Terrain(120).Extra1, 3);
    EXPECT_EQ(Terrain(120).Extra2, 0);
}

TEST_F(TerrainEditorTest, CustomPictureAnimatedAndBack) {
    PickPicture(7);
    When<frmSelectIcon>([](frmSelectIcon& p) {
        EXPECT_EQ(p.PictureSelect, 7);
        Click(p.cmdCancel);
    });
    PickPicture(30);
    Edit(120, [](frmEditTerrain& d) {
        EXPECT_FALSE(d.chkAnim->isVisibleTo(&d));
        Click(d.cmdPicCustom);
        EXPECT_EQ(d.lblPict->text(), "1007");
        EXPECT_TRUE(d.chkAnim->isVisibleTo(&d));
        EXPECT_FALSE(d.chkAnim->isChecked());
        Click(d.chkAnim);
        EXPECT_EQ(d.lblPict->text(), "2007");
        Click(d.cmdPicCustom);
        EXPECT_EQ(d.lblPict->text(), "2007");
        Click(d.cmdPicPicture);
        EXPECT_EQ(d.lblPict->text(), "30");
        EXPECT_FALSE(d.chkAnim->isVisibleTo(&d));
        Click(d.cmdOK);
    });
    EXPECT_EQ(Terrain(120).Picture, 30);
}

TEST_F(TerrainEditorTest, StaticCustomAfterAnimatedShowsTheBoxUnchecked) {
    Terrain(120).Picture = 2003;
    Terrain(121).Picture = 1004;
    Terrain(122).Picture = 405;
    When<frmSelectIcon>([](frmSelectIcon& p) {
        EXPECT_EQ(p.PictureSet, 7);
        EXPECT_EQ(p.PictureSelect, 5);
        Click(p.cmdCancel);
    });
    Edit(120, [](frmEditTerrain& d) {
        EXPECT_TRUE(d.chkAnim->isChecked());
        Click(d.cmdScrollRight);
        EXPECT_TRUE(d.chkAnim->isVisibleTo(&d));
        EXPECT_FALSE(d.chkAnim->isChecked());
        Click(d.cmdScrollRight);
        EXPECT_FALSE(d.chkAnim->isVisibleTo(&d));
        Click(d.cmdPicAnimated);
        EXPECT_EQ(d.lblPict->text(), "405");
        Click(d.cmdCancel);
    });
}
