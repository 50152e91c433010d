#include "dialogs/nodes/frmDialog.h"
#include "dialogs/nodes/NodeWindows.h"
#include "forms/MultiLineBox.h"

namespace {
class PersonalityEditorTest : public NodeWindowTest {
  protected:
    void SetUp() override {
        NodeWindowTest::SetUp();
        while (Scen.Towns.size() < 5) {
            Scen.Towns.push_back(Scen.Towns[0]);
            Scen.TownTalks.push_back(Scen.TownTalks[0]);
        }
        Scen.TownCount = 5;
        for (std::size_t slot = 0; slot < 10; ++slot)
            Slot(slot).Name = "Person " + std::to_string(slot);
    }
    static Personality& Slot(std::size_t slot, std::size_t town = 1) {
        return Scen.TownTalks[town].Personalities[slot];
    }
    static void OpenSlot(std::int16_t slot, std::function<void(frmDialog&)> act) {
        OpenDialog<frmDialog>([slot](frmDialog& d) { d.Personality = slot; }, std::move(act));
    }
};

TEST_F(PersonalityEditorTest, ShowsTheNumberTownTimesTenPlusSlot) {
    struct Case {
        std::uint8_t town;
        std::int16_t slot;
        const char* shown;
    };
    for (const Case c : {Case{4, 7, "47"}, Case{0, 3, "3"}, Case{1, 0, "10"}}) {
        Scen.CurrentTown = c.town;
        Slot(static_cast<std::size_t>(c.slot), c.town).LookResponse = "A tall man.\r\nHe waves.";
        OpenSlot(c.slot, [&](frmDialog& d) {
            EXPECT_EQ(d.lblPersonality->text(), c.shown);
            EXPECT_EQ(d.txtLookResponse->ModelText(), "A tall man.\r\nHe waves.");
            Click(d.cmdCancel);
        });
    }
}

// The arrows save first and wrap within the town's ten slots; Cancel keeps what they saved.
TEST_F(PersonalityEditorTest, ArrowsSaveFirstAndWrapAndOkOrCancelDecideTheRest) {
    OpenSlot(0, [](frmDialog& d) {
        TypeInto(d.txtName, "First");
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.Personality, 9);
        EXPECT_EQ(d.lblPersonality->text() + " " + d.txtName->text(), "19 Person 9");
        TypeInto(d.txtName, "Last");
        d.txtJobResponse->setFocus();
        QTest::keyClicks(d.txtJobResponse, "I bake.");
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.Personality, 0);
        EXPECT_EQ(d.txtName->text(), "First");
        TypeInto(d.txtName, "Not kept");
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Slot(0).Name, "First");
    EXPECT_EQ(Slot(9).Name, "Last");
    EXPECT_EQ(Slot(9).JobResponse, "I bake.");
    OpenSlot(2, [](frmDialog& d) {
        TypeInto(d.txtName, "Mara");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Slot(2).Name, "Mara");
}

TEST_F(PersonalityEditorTest, TypingIsLimitedButALongerStoredTextIsKeptWhole) {
    const std::string longName(40, 'n');
    Slot(5).Name = longName;
    Slot(6).Name = "";
    OpenSlot(5, [&](frmDialog& d) {
        EXPECT_EQ(d.txtName->text().size(), 40);
        Click(d.cmdScrollRight); // stores slot 5 as shown
        d.txtName->setFocus();
        QTest::keyClicks(d.txtName, QString(35, 'x'));
        d.txtHuhResponse->setFocus();
        QTest::keyClicks(d.txtHuhResponse, QString(260, 'h'));
        Click(d.cmdOK);
    });
    EXPECT_EQ(Slot(5).Name, longName);
    EXPECT_EQ(Slot(6).Name, std::string(30, 'x'));
    EXPECT_EQ(Slot(6).HuhResponse, std::string(255, 'h'));
}
} // namespace
