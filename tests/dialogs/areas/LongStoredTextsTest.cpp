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
    // The area descriptions of the context, on the page shown after the clicks on the right
    // arrow: the edit runs on the row's box, then OK.
    std::function<void(const BoxEdit&)> Areas(std::int16_t context, int pages, std::size_t row) {
        return [=, this](const BoxEdit& edit) {
            Open<frmAreaDesc>(
                [&](frmAreaDesc& d) {
                    for (int page = 0; page < pages; ++page)
                        Click(d.cmdScrollRight);
                    edit(d.txtArea[row]);
                    Click(d.cmdOK);
                },
                [context](frmAreaDesc& d) { d.Context = context; });
        };
    }
};
} // namespace

TEST_F(LongStoredTextsTest, TypingIsHeldToTheLimitWhileALongerStoredTextIsKeptWhole) {
    ExpectTypingHeldToLimit("town name", Scen.Towns[1].Strings[0], 30, [this](const BoxEdit& e) {
        Open<frmTownDetails>([&](frmTownDetails& d) {
            e(d.txtTownName);
            Click(d.cmdOK);
        });
    });
    ExpectTypingHeldToLimit("town area 10", Scen.Towns[1].Strings[11], 30, Areas(1, 1, 2));
    OutdoorSection& section = Scen.OutdoorSections.At(0, 0);
    ExpectTypingHeldToLimit("outdoor area 3", section.Strings[4], 30, Areas(0, 0, 3));
    ExpectTypingHeldToLimit("section name", section.Strings[0], 30, [this](const BoxEdit& e) {
        Open<frmOutDetails>([&](frmOutDetails& d) {
            e(d.txtOutName);
            Click(d.cmdOK);
        });
    });
}
