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
        Scen.CurrentTown = 4; // the number shown is town * 10 + slot
        for (std::size_t slot = 0; slot < 10; ++slot)
            Slot(slot).Name = "Person " + std::to_string(slot);
    }
    static Personality& Slot(std::size_t slot, std::size_t town = 4) {
        return Scen.TownTalks[town].Personalities[slot];
    }
    static void OpenSlot(std::int16_t slot, std::function<void(frmDialog&)> act) {
        OpenDialog<frmDialog>([slot](frmDialog& d) { d.Personality = slot; }, std::move(act));
    }
};

// The arrows save first and wrap within the town's ten slots; Cancel keeps what they saved.
TEST_F(PersonalityEditorTest,
       ArrowsSaveFirstAndWrapAndOkOrCancelDecideTheRestWhileTypingIsLimited) {
    Slot(9).LookResponse = "A tall man.\r\nHe waves.";
    OpenSlot(0, [](frmDialog& d) {
        EXPECT_EQ(d.lblPersonality->text(), "40");
        TypeInto(d.txtName, "First");
        Click(d.cmdScrollLeft);
        EXPECT_EQ(QString::number(d.Personality) + " " + d.lblPersonality->text() + " " +
                      d.txtName->text(),
                  "9 49 Person 9");
        EXPECT_EQ(d.txtLookResponse->ModelText(), "A tall man.\r\nHe waves.");
        TypeInto(d.txtName, "Last");
        d.txtJobResponse->setFocus();
        QTest::keyClicks(d.txtJobResponse, "I bake.");
        Click(d.cmdScrollRight);
        EXPECT_EQ(QString::number(d.Personality) + " " + d.txtName->text(), "0 First");
        TypeInto(d.txtName, "Not kept");
        Click(d.cmdCancel);
    });
    EXPECT_EQ(Slot(0).Name + "|" + Slot(9).Name + "|" + Slot(9).JobResponse, "First|Last|I bake.");

    // Typing is limited, but a longer stored text is kept whole; OK stores the boxes.
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
    EXPECT_EQ(Slot(5).Name + "|" + Slot(6).Name + "|" + Slot(6).HuhResponse,
              longName + "|" + std::string(30, 'x') + "|" + std::string(255, 'h'));
}
} // namespace
