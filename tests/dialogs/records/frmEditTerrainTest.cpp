#include "dialogs/records/frmEditTerrain.h"
#include "RecordEditorDriver.h"

namespace {
TerrainType& Terrain(int n = 120) {
    return Scen.TerrainTypes[static_cast<std::size_t>(n)];
}

class TerrainEditorTest : public RecordEditorTest {
  protected:
    void SetUp() override {
        RecordEditorTest::SetUp();
        TerrainType& t = Terrain() = TerrainType{};
        t.Name = "  Oak door                    ", t.Picture = 140, t.Extra1 = 120, t.Extra2 = 200;
        t.Blockage = 5, t.SpecialProperty = 24, t.ShortcutKey = "d", t.TerrainSet = 4;
    }
    void Edit(std::function<void(frmEditTerrain&)> action, std::int16_t number = 120) {
        Open<frmEditTerrain>([number](frmEditTerrain& d) { d.TerrNum = number; },
                             std::move(action));
    }
};
} // namespace

// A door shows no sound as 99 and stores it as 200; another property maps nothing, and its
// sound above 99 is refused after the validator.
TEST_F(TerrainEditorTest, DoorShowsNoSoundAs99AndStoresItAs200) {
    Edit([](frmEditTerrain& d) {
        EXPECT_EQ(Shown({d.txtName, d.lblExtra[1], d.txtExtra[1], d.lstChoose[1], d.lblTerrSet}),
                  (QStringList{"Oak door", "Number of sound (99 - no sound)", "99", "99 - No sound",
                               "Terrain Set: 4"}));
        EXPECT_TRUE(d.lstChoose[1]->isVisibleTo(&d) && d.lstChoose[0]->currentIndex() == 120);
        Click(d.cmdOK);
    });
    TerrainType expected = Terrain();
    EXPECT_EQ(Terrain().Extra2, 200);
    EXPECT_EQ(Terrain().Name, "Oak door                      ");
    Edit([](frmEditTerrain& d) {
        Choose(d.lstChoose[1], 5);
        EXPECT_EQ(d.txtExtra[1]->text(), "5");
        Choose(d.lstTransform, 7);
        Click(d.optSound[2]);
        Click(d.chkBoatOver);
        Click(d.cmdOK);
    });
    expected.Extra2 = 5, expected.TransformTo = 7, expected.Sound = 2, expected.BoatOver = 1;
    EXPECT_EQ(Terrain(), expected);
    Edit([this](frmEditTerrain& d) {
        Choose(d.lstSpProperty, 1);
        EXPECT_EQ(d.lblExtra[1]->text(), "Number of sound (200 - no sound)");
        Type(d.txtExtra[1], "150");
        EXPECT_EQ(NewMessages(), Texts{"Sound number must be 0-99."});
        QTest::keyClick(d.txtExtra[1], Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        Type(d.txtExtra[1], "250");
        EXPECT_EQ(NewMessages(),
                  (Texts{"Sound must be between 0 and 200.", "Sound number must be 0-99."}));
        Leave(d.txtExtra[1]);
        EXPECT_EQ(d.txtExtra[1]->text(), "5");
        Type(d.txtExtra[1], "99");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(Terrain().SpecialProperty, Terrain().Extra2), Ints(1, 99));
    // A game terrain keeps everything but the shortcut key.
    expected = Terrain(90);
    Edit(
        [](frmEditTerrain& d) {
            Type(d.txtName, "Renamed");
            Click(d.optBlockage[0]);
            Type(d.txtShortcutKey, "");
            Click(d.cmdOK);
        },
        90);
    expected.ShortcutKey = " ";
    EXPECT_EQ(Terrain(90), expected);
}

// Extra values stay across properties, unused ones are stored as 0; an emptied box takes 0
// where its rule allows it and gets its value back where not.
TEST_F(TerrainEditorTest, ExtraValuesFollowThePropertysRules) {
    Terrain().SpecialProperty = 5, Terrain().Extra1 = 3, Terrain().Extra2 = 100;
    Edit([this](frmEditTerrain& d) {
        EXPECT_FALSE(d.lstChoose[1]->isVisibleTo(&d));
        for (QLineEdit* box : {d.txtExtra[1], d.txtExtra[0]})
            TypeInto(box, "");
        EXPECT_EQ(NewMessages(), Texts{"Strength must be between 1 and 8."});
        EXPECT_EQ(Shown({d.txtExtra[0], d.txtExtra[1]}), (QStringList{"3", "0"}));
        Type(d.txtExtra[1], "100");
        Choose(d.lstSpProperty, 1);
        EXPECT_EQ(d.txtExtra[1]->text(), "100");
        EXPECT_TRUE(d.lstChoose[1]->isVisibleTo(&d) && d.lstChoose[1]->currentIndex() == -1);
        Click(d.cmdCancel);
    });
    Edit([](frmEditTerrain& d) {
        Choose(d.lstSpProperty, 11);
        EXPECT_EQ(d.lblExtra[0]->text(), "Unused");
        Type(d.txtExtra[0], "7");
        EXPECT_EQ(d.txtExtra[0]->text(), "0");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(Terrain().SpecialProperty, Terrain().Extra1, Terrain().Extra2), Ints(11, 0, 0));
}

// A custom picture shows the animation box, which a static custom picture shows unchecked.
TEST_F(TerrainEditorTest, CustomPictureAnimatedAndBack) {
    PickPicture(7);
    When<frmSelectIcon>([](frmSelectIcon& p) {
        EXPECT_EQ(p.PictureSelect, 7);
        Click(p.cmdCancel);
    });
    PickPicture(30);
    Edit([](frmEditTerrain& d) {
        EXPECT_FALSE(d.chkAnim->isVisibleTo(&d));
        Click(d.cmdPicCustom);
        EXPECT_TRUE(d.chkAnim->isVisibleTo(&d) && !d.chkAnim->isChecked());
        EXPECT_EQ(ShownAfterClicks(d.lblPict, {d.chkAnim, d.cmdPicCustom, d.cmdPicPicture}),
                  (QStringList{"2007", "2007", "30"}));
        EXPECT_FALSE(d.chkAnim->isVisibleTo(&d));
        Click(d.cmdOK);
    });
    EXPECT_EQ(Terrain().Picture, 30);
    Terrain(120).Picture = 2003, Terrain(121).Picture = 1004, Terrain(122).Picture = 405;
    When<frmSelectIcon>([](frmSelectIcon& p) {
        EXPECT_EQ(Ints(p.PictureSet, p.PictureSelect), Ints(7, 5));
        Click(p.cmdCancel);
    });
    Edit([](frmEditTerrain& d) {
        // Shown and checked: animated, static custom, not custom.
        std::vector<int> anim;
        for (int step = 0; step < 3; ++step) {
            if (step) Click(d.cmdScrollRight);
            anim.push_back(d.chkAnim->isVisibleTo(&d) * 2 + d.chkAnim->isChecked());
        }
        EXPECT_EQ(anim, Ints(3, 2, 0));
        Click(d.cmdPicAnimated);
        EXPECT_EQ(d.lblPict->text(), "405");
        Click(d.cmdCancel);
    });
}
