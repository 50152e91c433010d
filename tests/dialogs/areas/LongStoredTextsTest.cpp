// The town and outdoor boxes whose typing is limited, over a stored text longer than the limit.
#include "AreaDialogTest.h"
#include "dialogs/areas/frmAreaDesc.h"
#include "dialogs/areas/frmOutDetails.h"
#include "dialogs/areas/frmTownDetails.h"
#include "support/LongTextEdits.h"

namespace {
class LongStoredTextsTest : public AreaDialogTest {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(1, 1, 2, 5);
        Scen.CurrentTown = 1, Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
    }
};
} // namespace

// Untouched, a longer stored text is stored again whole; typed over after Ctrl+A it is held to
// the limit, and typing at its end adds nothing.
TEST_F(LongStoredTextsTest, TypingIsHeldToTheLimitWhileALongerStoredTextIsKeptWhole) {
    using Edit = std::function<void(QLineEdit*)>;
    // The box, opened as its menu opens it: the edit runs on it, then OK.
    struct Box {
        const char* what;
        int limit;
        std::function<std::string&()> stored;
        std::function<void(const Edit&)> open;
    };
    const Box boxes[] = {
        {"town name", 30, []() -> std::string& { return Scen.Towns[1].Strings[0]; },
         [this](const Edit& edit) {
             Open<frmTownDetails>([&](frmTownDetails& d) {
                 edit(d.txtTownName);
                 Click(d.cmdOK);
             });
         }},
        {"town area, second page", 30, []() -> std::string& { return Scen.Towns[1].Strings[11]; },
         [this](const Edit& edit) {
             Open<frmAreaDesc>(
                 [&](frmAreaDesc& d) {
                     Click(d.cmdScrollRight);
                     edit(d.txtArea[2]);
                     Click(d.cmdOK);
                 },
                 [](frmAreaDesc& d) { d.Context = 1; });
         }},
        {"outdoor area", 30,
         []() -> std::string& { return Scen.OutdoorSections.At(0, 0).Strings[4]; },
         [this](const Edit& edit) {
             Open<frmAreaDesc>(
                 [&](frmAreaDesc& d) {
                     edit(d.txtArea[3]);
                     Click(d.cmdOK);
                 },
                 [](frmAreaDesc& d) { d.Context = 0; });
         }},
        {"section name", 30,
         []() -> std::string& { return Scen.OutdoorSections.At(0, 0).Strings[0]; },
         [this](const Edit& edit) {
             Open<frmOutDetails>([&](frmOutDetails& d) {
                 edit(d.txtOutName);
                 Click(d.cmdOK);
             });
         }},
    };
    const std::string stored = "A long way down the old river road, past";
    for (const Box& box : boxes)
        for (const LongTextEdit& e : LongTextEdits(stored, box.limit)) {
            SCOPED_TRACE(std::string(box.what) + ", " + e.what);
            box.stored() = stored;
            box.open(e.edit);
            EXPECT_EQ(box.stored(), e.held);
        }
}
