#include "platform/qt/HelpWindow.h"
#include "platform/qt/PictureBox.h"
#include "support/MainWindowFixture.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <set>

namespace {
class MainWindowTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Scen = Scenario{};
        ScenFile = {};
        window->Form_Activate();
    }

    // Caption, whether Save and the scenario menus are enabled, and the status lines if shown.
    std::string State() const {
        std::string s = window->windowTitle().toStdString() + " | ";
        for (QObject* entry : std::initializer_list<QObject*>{window->mnuFileSave, window->mnuScen,
                                                              window->mnuOut, window->mnuTown})
            s += entry->property("enabled").toBool() ? '1' : '0';
        for (QLabel* l : {window->Label1, window->Label2})
            s += " | " + (l->isVisibleTo(window.get()) ? l->text().toStdString() : "-");
        return s;
    }

    static Scenario NamedScenario(int towns) {
        Scenario s = MakeVariedScenario(2, 2, towns, 31);
        s.CurrentTown = static_cast<std::uint8_t>(towns - 1);
        s.CurrentOutdoorX = 1;
        s.CurrentOutdoorY = 0;
        s.OutdoorSections.At(1, 0).Strings[0] = "Marsh";
        for (int t = 0; t < towns; ++t)
            s.Towns[static_cast<std::size_t>(t)].Strings[0] = "Town" + std::to_string(t);
        return s;
    }

    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(MainWindowTest, BeforeAnyScenarioOnlyFileAndHelpCanBeUsed) {
    const std::string before = "Varno Scenario Editor -  | 0000 | Outdoors: | Town:";
    EXPECT_EQ(State(), before);
    for (QAction* a : {window->mnuFileOpen, window->mnuFileSaveAs, window->mnuFileExit,
                       window->mnuHelp, window->mnuScenButtons, window->mnuTownDelete})
        EXPECT_TRUE(a->isEnabled());
    EXPECT_EQ((std::tuple(window->picMap->isVisibleTo(window.get()),
                          window->List1->isVisibleTo(window.get()), window->lblTool[0]->text(),
                          window->CurrentTool, window->FirstTime)),
              std::tuple(false, false, QString("Drawing Mode"), 0, false));
    // Entries whose windows do not exist yet cannot be chosen.
    for (QAction* a : {window->mnuScenItemsShort, window->mnuScenDataDump, window->mnuTownRandItem})
        EXPECT_FALSE(a->isEnabled());
    EXPECT_FALSE(window->mnuTownRandItem->isVisible());

    dialogs.Cancel(); // a cancelled open changes nothing
    window->mnuFileOpen_Click();
    EXPECT_EQ(State(), before);
    const std::size_t asked = dialogs.Requests().size();
    dialogs.Choose("/any/New.vrs"); // nor does Save As without a scenario
    window->mnuFileSaveAs_Click();
    EXPECT_EQ(dialogs.Requests().size(), asked);
    EXPECT_FALSE(std::filesystem::exists(program.File("scenario/New.vrs")));
    EXPECT_TRUE(boxes.Calls().empty());
}

// Activations after the first showing (a message box or another program taking the activation
// and giving it back) change nothing. Save writes into the scenario folder, Save As under the
// new name.
TEST_F(MainWindowTest, OpeningShowsTheScenarioARejectedFileKeepsItAndSaveWritesIt) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->CurrentTool = 7;
    PutFileText(files.File("Bad.vrs"), "not a scenario");
    dialogs.Choose(files.File("Bad.vrs")); // no earlier scenario: the state without one
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    const std::string noScenario = "Varno Scenario Editor | 0000 | - | -";
    EXPECT_EQ(State(), noScenario);
    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(State(), noScenario);
    EXPECT_EQ(window->CurrentTool, 7);

    const std::string quest =
        "Varno Scenario Editor - Quest.vrs | 1111 | Outdoors: 1, 0 - Marsh | Town: 2 - Town2";
    OpenFile(WriteScenario(NamedScenario(3), "Quest.vrs"));
    EXPECT_EQ(State(), quest);
    EXPECT_EQ(boxes.Calls().size(), 1u);

    OpenFile(files.File("Bad.vrs"));
    EXPECT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(State(), quest);
    EXPECT_EQ(ScenFile.ScenFileName, "Quest.vrs");

    window->mnuFileSave_Click();
    EXPECT_TRUE(std::filesystem::exists(program.File("scenario/Quest.vrs")));
    EXPECT_TRUE(std::filesystem::exists(program.File("scenario/Quest.vrd")));
    dialogs.Choose("/any/folder/Renamed.vrs");
    window->mnuFileSaveAs_Click();
    EXPECT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(window->windowTitle(), "Varno Scenario Editor - Renamed.vrs");
    EXPECT_EQ(ScenFile.ScenFilePath, program.File("scenario/Renamed.vrs"));
    EXPECT_EQ(FileBytes(program.File("scenario/Renamed.vrs")),
              FileBytes(program.File("scenario/Quest.vrs")));
}

TEST_F(MainWindowTest, WithAScenarioOpenEveryMenuEntryButTheTwoWithoutAWindowCanBeChosen) {
    Scenario unlocked = NamedScenario(2);
    unlocked.ListsLocked = 0;
    OpenFile(WriteScenario(unlocked, "Quest.vrs"));
    const std::set<QAction*> never = {window->mnuScenItemsShort, window->mnuScenDataDump,
                                      window->mnuTownRandItem};
    std::vector<std::string> greyed;
    for (QMenu* menu : {window->mnuFile, window->mnuScen, window->mnuOut, window->mnuTown}) {
        EXPECT_TRUE(menu->isEnabled()) << menu->title().toStdString();
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && !never.count(a) && !a->isEnabled())
                greyed.push_back(a->text().toStdString());
    }
    EXPECT_EQ(greyed, std::vector<std::string>{});
}

TEST_F(MainWindowTest, DeleteLastTownKeepsOneTownAndMovesOffADeletedCurrentTown) {
    Scenario s = NamedScenario(3);
    s.CurrentTown = 0;
    OpenFile(WriteScenario(s, "Quest.vrs"));
    // The town count, the towns and talks held, the current town and the town line.
    const auto towns = [this] {
        return std::to_string(Scen.TownCount) + std::to_string(Scen.Towns.size()) +
               std::to_string(Scen.TownTalks.size()) + std::to_string(Scen.CurrentTown) + " " +
               window->Label2->text().toStdString();
    };
    window->mnuTownDelete_Click(); // not the current town: nothing else changes
    EXPECT_EQ(towns(), "2220 Town: 0 - Town0");
    Scen.CurrentTown = 1;
    window->List1->show();
    window->mnuTownDelete_Click(); // the current town: the one before it becomes current
    EXPECT_EQ(towns(), "1110 Town: 0 - Town0");
    EXPECT_FALSE(window->List1->isVisibleTo(window.get()));
    EXPECT_TRUE(boxes.Calls().empty());
    window->mnuTownDelete_Click(); // the last town stays
    EXPECT_EQ(towns(), "1110 Town: 0 - Town0");
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(std::pair(boxes.Calls()[0].title, boxes.Calls()[0].style),
              std::pair(std::string("Error!"), msgbox::Exclamation));
}

TEST_F(MainWindowTest, TheMainWindowKeepsItsSizeAndClosingItUnloadsEveryOtherWindow) {
    window->show();
    // Without the customise hint a window manager heeds none of the button hints.
    EXPECT_EQ(window->windowFlags() & (Qt::CustomizeWindowHint | Qt::WindowMaximizeButtonHint |
                                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
              Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    SharedForm<ModalForm>().show();
    ASSERT_TRUE(IsFormLoaded<ModalForm>());
    window->mnuFileExit_Click();
    EXPECT_FALSE(IsFormLoaded<ModalForm>());
    EXPECT_FALSE(window->isVisible());
}

// A dialog never shown before was placed by a default size, near the main window's corner.
TEST_F(MainWindowTest, ADialogOpensCentredOverTheMainWindow) {
    window->show();
    window->move(40, 30);
    ModalForm dialog;
    (new QVBoxLayout(&dialog))->addWidget(new QLabel("Two short lines\nof text"));
    QRect shown;
    WindowScript script;
    script.When<ModalForm>([&shown](ModalForm& form) { shown = form.frameGeometry(); });
    ShowModal(dialog);
    const QPoint offset = shown.center() - window->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
}

TEST_F(MainWindowTest, HelpShowsTheHelpFileBesideTheProgram) {
    SetProgramFolderForTesting(VARNO_APP_DIR);
    window->mnuHelp_Click();
    EXPECT_TRUE(boxes.Calls().empty());
    QDialog* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) help = dialog;
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->findChild<QTextBrowser*>()->toPlainText().contains("File > Open Scenario"));
    // It opens beside the main window, as far as the screen allows.
    EXPECT_EQ(QRect(help->pos(), help->size()),
              HelpWindowPlace(window->screen()->availableGeometry(), window->frameGeometry()));
    help->close();

    SetProgramFolderForTesting(program.Path()); // no help file there
    window->mnuHelp_Click();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].style, msgbox::Exclamation);
}
