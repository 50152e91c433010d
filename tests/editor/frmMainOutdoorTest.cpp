#include "dialogs/areas/frmOutDetails.h"
#include "dialogs/areas/frmOutLoad.h"
#include "dialogs/areas/frmOutWandering.h"
#include "dialogs/areas/frmVarTownEntry.h"
#include "editor/frmMain.h"
#include "support/MainWindowFixture.h"

#include "platform/qt/PictureBox.h"
#include "platform/qt/SharedForms.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class MainWindowOutdoorTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Scen = MakeVariedScenario(2, 2, 2, 33);
        Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
        Scen.OutdoorSections.At(1, 0).Strings[0] = "East";
    }
    void TearDown() override {
        SetModalFormHook({});
        MainWindowFixture::TearDown();
    }

    void Choose(QAction* entry, const std::function<void(ModalForm&)>& author) {
        SetModalFormHook([&](ModalForm& form) {
            form.show();
            form.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            author(form);
        });
        ASSERT_TRUE(entry->isEnabled());
        entry->trigger();
        SetModalFormHook({});
    }

    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(MainWindowOutdoorTest, SectionChoiceAndRenameRefreshTheOutdoorLine) {
    Choose(window->mnuOutLoad, [](ModalForm& form) {
        auto* dFound = OpenedAs<frmOutLoad>(form);
        if (!dFound) return;
        auto& d = *dFound;
        ChooseRow(d.cmbOutSection, 2);
        Click(d.cmdOK);
    });
    EXPECT_EQ(window->Label1->text(), "Outdoors: 1, 0 - East");
    EXPECT_FALSE(window->picMap->isVisibleTo(window.get()));
    Choose(window->mnuOutDetails, [](ModalForm& form) {
        auto* dFound = OpenedAs<frmOutDetails>(form);
        if (!dFound) return;
        auto& d = *dFound;
        TypeInto(d.txtOutName, "Far East");
        Click(d.cmdOK);
    });
    EXPECT_EQ(window->Label1->text(), "Outdoors: 1, 0 - Far East");
}

TEST_F(MainWindowOutdoorTest, EncounterEntriesChooseTheSetAndVariableEntriesOpen) {
    struct Case {
        QAction* frmMain::*entry;
        std::int16_t context;
    };
    for (const Case c : {Case{&frmMain::mnuOutWandering, 0}, Case{&frmMain::mnuOutEncounters, 1}}) {
        std::int16_t seen = -1;
        Choose(window.get()->*c.entry, [&seen](ModalForm& form) {
            auto* dFound = OpenedAs<frmOutWandering>(form);
            if (!dFound) return;
            auto& d = *dFound;
            seen = d.Context;
            Click(d.cmdCancel);
        });
        EXPECT_EQ(seen, c.context);
    }
    bool opened = false;
    Choose(window->mnuTownVEntry, [&opened](ModalForm& form) {
        auto* d = OpenedAs<frmVarTownEntry>(form);
        opened = d != nullptr;
        if (d) Click(d->cmdCancel);
    });
    EXPECT_TRUE(opened);
}
