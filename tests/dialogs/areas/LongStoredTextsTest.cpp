// The town and outdoor boxes whose typing is limited, over a stored text longer than the limit.
#include "AreaDialogTest.h"
#include "dialogs/areas/frmAreaDesc.h"
#include "dialogs/areas/frmOutDetails.h"
#include "dialogs/areas/frmTownDetails.h"
#include "support/LongTextEdits.h"

namespace {
using LongStoredTextsTest = AreaDialogTest;

TEST_F(LongStoredTextsTest, TypingIsHeldToTheLimitWhileALongerStoredTextIsKeptWhole) {
    Scen = MakeVariedScenario(1, 1, 2, 5);
    Scen.CurrentTown = 1, Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
    ExpectTypingHeldToLimit("town name", Scen.Towns[1].Strings[0], 30, [this](const BoxEdit& e) {
        Open<frmTownDetails>([&](frmTownDetails& d) {
            e(d.txtTownName);
            Click(d.cmdOK);
        });
    });
    OutdoorSection& section = Scen.OutdoorSections.At(0, 0);
    ExpectTypingHeldToLimit("area", section.Strings[4], 30, [this](const BoxEdit& e) {
        Open<frmAreaDesc>(
            [&](frmAreaDesc& d) {
                e(d.txtArea[3]);
                Click(d.cmdOK);
            },
            [](frmAreaDesc& d) { d.Context = 0; });
    });
    ExpectTypingHeldToLimit("section name", section.Strings[0], 30, [this](const BoxEdit& e) {
        Open<frmOutDetails>([&](frmOutDetails& d) {
            e(d.txtOutName);
            Click(d.cmdOK);
        });
    });
}
} // namespace
