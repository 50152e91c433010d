#include "dialogs/nodes/frmDialog.h"
#include "dialogs/nodes/DialogueHarness.h"

#include "forms/MultiLineBox.h"

#include <QLabel>
#include <QPushButton>

namespace {
class PersonalityEditorTest : public DialogueTest {
  protected:
    void SetUp() override {
        DialogueTest::SetUp();
        while (Scen.Towns.size() < 5) {
            Scen.Towns.push_back(Scen.Towns[0]);
            Scen.TownTalks.push_back(Scen.TownTalks[0]);
        }
        Scen.TownCount = 5;
        for (std::size_t slot = 0; slot < 10; ++slot)
            Name(slot) = "Person " + std::to_string(slot);
    }
    static std::string& Name(std::size_t slot, std::size_t town = 1) {
        return Scen.TownTalks[town].Personalities[slot].Name;
    }
    frmDialog& OpenSlot(std::int16_t slot, std::function<void(frmDialog&)> act) {
        SharedForm<frmDialog>().Personality = slot;
        return Open<frmDialog>(std::move(act));
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
        Scen.TownTalks[c.town].Personalities[static_cast<std::size_t>(c.slot)].LookResponse =
            "A tall man.\r\nHe waves.";
        OpenSlot(c.slot, [&](frmDialog& d) {
            EXPECT_EQ(d.lblPersonality->text(), c.shown);
            EXPECT_EQ(d.txtLookResponse->ModelText(), "A tall man.\r\nHe waves.");
            Click(d.cmdCancel);
        });
    }
}

TEST_F(PersonalityEditorTest, OkStoresTheBoxesAndCancelLeavesTheRecord) {
    OpenSlot(2, [](frmDialog& d) {
        TypeInto(d.txtName, "Mara");
        d.txtJobResponse->setFocus();
        QTest::keyClicks(d.txtJobResponse, "I bake.");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Name(2), "Mara");
    EXPECT_EQ(Scen.TownTalks[1].Personalities[2].JobResponse, "I bake.");

    OpenSlot(2, [](frmDialog& d) {
        EXPECT_EQ(d.txtName->text(), "Mara");
        TypeInto(d.txtName, "Someone else");
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Name(2), "Mara");
}

TEST_F(PersonalityEditorTest, ArrowsSaveFirstAndWrapWithinTheTownsTenSlots) {
    OpenSlot(0, [](frmDialog& d) {
        TypeInto(d.txtName, "First");
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.Personality, 9);
        EXPECT_EQ(d.lblPersonality->text(), "19");
        EXPECT_EQ(d.txtName->text(), "Person 9");
        TypeInto(d.txtName, "Last");
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.Personality, 0);
        EXPECT_EQ(d.txtName->text(), "First");
        TypeInto(d.txtName, "Not kept");
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Name(0), "First"); // saved by the arrow, not undone by Cancel
    EXPECT_EQ(Name(9), "Last");
}

TEST_F(PersonalityEditorTest, TypingIsLimitedButALongerStoredTextIsKeptWhole) {
    const std::string longName(40, 'n');
    Name(5) = longName;
    Name(6) = "";
    OpenSlot(5, [&](frmDialog& d) {
        EXPECT_EQ(d.txtName->text().size(), 40);
        Click(d.cmdScrollRight); // stores slot 5 as shown
        d.txtName->setFocus();
        QTest::keyClicks(d.txtName, QString(35, 'x'));
        d.txtHuhResponse->setFocus();
        QTest::keyClicks(d.txtHuhResponse, QString(260, 'h'));
        Click(d.cmdOK);
    });
    EXPECT_EQ(Name(5), longName);
    EXPECT_EQ(Name(6), std::string(30, 'x'));
    EXPECT_EQ(Scen.TownTalks[1].Personalities[6].HuhResponse, std::string(255, 'h'));
}
} // namespace
