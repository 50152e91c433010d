#include "editor/frmMain.h"

#include "editor/CursorPictures.h"
#include "editor/MapViewBridge.h"
#include "editor/RecordList.h"
#include "editor/ScenarioRecordMenus.h"
#include "forms/FormLayout.h"
#include "graphics/Drawing.h"
#include "graphics/GraphicsSheets.h"
#include "map/MapState.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "platform/qt/SharedForms.h"
#include "scenario/Scenario.h"
#include "scenario/tables/EditorTables.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int kClientWidth = 693;
constexpr int kClientHeight = 437;
constexpr int kMarbleStyle = 3;

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

// An entry of a menu, under its caption.
QAction* AddEntry(QMenu* menu, const char* caption) {
    return menu->addAction(caption);
}
} // namespace

frmMain::frmMain() {
    setWindowTitle("Varno Scenario Editor");
    // The program's icon is the first scenario icon of the sheets.
    if (!ScenPicsPic.isNull()) setWindowIcon(QPixmap::fromImage(ScenPicsPic.copy(0, 0, 32, 32)));
    SetFormFont(this);
    BuildControls();
    BuildMenus();
    MapBridge = new MapViewBridge(*this);
    SetUpToolButtons();
    ConnectRecordList();

    // The window keeps its designed size; it cannot be resized or maximised.
    // Without the customise hint a window manager decorates the frame as it likes, maximise
    // button included; with it, it shows only the parts named here.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }

    mnuFileSave->setEnabled(false);
    mnuScen->setEnabled(false);
    mnuOut->setEnabled(false);
    mnuTown->setEnabled(false);
    HideMapEditor();
}

void frmMain::BuildControls() {
    background = new PictureBox(this);
    background->ResizePixels(kClientWidth, kClientHeight);
    background->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(background);

    Label1 = MakeLabel(background, "Outdoors:", Twips(4440, 0, 4020, 195));
    Label2 = MakeLabel(background, "Town:", Twips(4560, 240, 4020, 195));
    const std::array<std::pair<int, const char*>, 6> mapCellLabels = {{{4560, "Map Center"},
                                                                       {5760, "X: 0"},
                                                                       {6360, "Y: 0"},
                                                                       {7080, "Location:"},
                                                                       {8040, "X: 0"},
                                                                       {8640, "Y: 0"}}};
    for (std::size_t i = 0; i < mapCellLabels.size(); ++i)
        lblMapcell[i] = MakeLabel(background, mapCellLabels[i].second,
                                  Twips(mapCellLabels[i].first, 480, 1200, 195));

    picMap = new PictureBox(background);
    picMap->setGeometry(Twips(4440, 720, 5820, 5820));
    picMap->ResizePixels(picMap->width(), picMap->height());
    picMap->SetBackColour(qRgb(255, 255, 255));

    picTerrain = new PictureBox(background);
    picTerrain->setGeometry(Twips(120, 0, 4155, 4155));
    picTerrain->ResizePixels(picTerrain->width(), picTerrain->height());
    picTerrain->SetBackColour(qRgb(255, 255, 255));

    List1 = new RecordList(background);
    List1->setGeometry(Twips(120, 0, 4155, 6105));

    frmTools = new QFrame(background);
    frmTools->setGeometry(Twips(360, 4170, 3135, 1920));
    for (int i = 0; i < kToolButtonCount; ++i) {
        auto* button = new QPushButton(frmTools);
        button->setGeometry(Twips(390 * (i % 8), 270 * (i / 8), 390, 270));
        button->setFocusPolicy(Qt::NoFocus);
        cmdTool[static_cast<std::size_t>(i)] = button;
    }

    picSelTerrain = new PictureBox(background);
    picSelTerrain->setGeometry(Twips(3600, 4560, 480, 600));
    picSelTerrain->ResizePixels(picSelTerrain->width(), picSelTerrain->height());

    lblTool[0] = MakeLabel(background, "", Twips(480, 6120, 3900, 195));
    lblTool[1] = MakeLabel(background, "", Twips(480, 6360, 3900, 195));
}

void frmMain::BuildMenus() {
    BuildFileMenu();
    BuildScenarioMenu();
    BuildOutdoorMenu();
    BuildTownMenu();
    mnuHelp = menuBar()->addAction("&Help");

    ConnectMenus();

    // Entries that can never be chosen.
    mnuScenItemsShort->setEnabled(false);
    mnuScenDataDump->setEnabled(false);
    mnuTownRandItem->setVisible(false);
    mnuTownRandItem->setEnabled(false);

    ConnectTownMenus();
    ConnectScenarioRecordMenus(*this);
    ConnectOutdoorMenus();
}

void frmMain::BuildFileMenu() {
    mnuFile = menuBar()->addMenu("&File");
    mnuFileOpen = AddEntry(mnuFile, "&Open Scenario");
    mnuFileOpen->setShortcut(QKeySequence("Ctrl+O"));
    mnuFileSave = AddEntry(mnuFile, "&Save Scenario");
    mnuFileSave->setShortcut(QKeySequence("Ctrl+S"));
    mnuFileSaveAs = AddEntry(mnuFile, "Save &As...");
    mnuFileNew = AddEntry(mnuFile, "&New Scenario");
    mnuFileExit = AddEntry(mnuFile, "E&xit");
}

void frmMain::BuildScenarioMenu() {
    mnuScen = menuBar()->addMenu("&Scenario");
    mnuScenDetails = AddEntry(mnuScen, "ScenarioDetails");
    mnuScenIntroText = AddEntry(mnuScen, "Scenario Intro Text");
    mnuScen->addSeparator();
    mnuScenTerrain = AddEntry(mnuScen, "Edit Terrain Types");
    mnuScenMonsters = AddEntry(mnuScen, "Edit Monsters");
    mnuScenItems = AddEntry(mnuScen, "Edit Items");
    mnuScenSpecItems = AddEntry(mnuScen, "Edit Special Items");
    mnuScenNodes = AddEntry(mnuScen, "Edit Special Nodes");
    mnuScenText = AddEntry(mnuScen, "Edit Scenario Text");
    mnuScenSave = AddEntry(mnuScen, "Edit Saved Items Rectangles");
    mnuScenBoats = AddEntry(mnuScen, "Edit Boats");
    mnuScenHorses = AddEntry(mnuScen, "Edit Horses");
    mnuScenEvent = AddEntry(mnuScen, "Edit Scenario Event Timers");
    mnuTownVEntry = AddEntry(mnuScen, "Set Variable Town Entry");
    mnuScenItemsShort = AddEntry(mnuScen, "Edit Item Placement Shortcuts");
    mnuScenButtons = AddEntry(mnuScen, "Edit Button Captions");
    mnuScenStuffDone = AddEntry(mnuScen, "Edit Stuff Done Descriptions");
    mnuScen->addSeparator();
    mnuScenLockLists = AddEntry(mnuScen, "Lock Monster and Item lists");
    mnuScenDataDump = AddEntry(mnuScen, "Write Data to Text File");
    mnuScenTextDump = AddEntry(mnuScen, "Do Full Text Dump");
}

void frmMain::BuildOutdoorMenu() {
    mnuOut = menuBar()->addMenu("&Outdoors");
    mnuOutLoad = AddEntry(mnuOut, "Load New Section");
    mnuOutEdit = AddEntry(mnuOut, "Edit Outdoor Terrain");
    mnuOutDetails = AddEntry(mnuOut, "Outdoor Details");
    mnuOutWandering = AddEntry(mnuOut, "Outdoor Wandering Monsters");
    mnuOutEncounters = AddEntry(mnuOut, "Outdoor Special Encounters");
    mnuOutNodes = AddEntry(mnuOut, "Edit Special Nodes");
    mnuOutText = AddEntry(mnuOut, "Edit Outdoor Text");
    mnuOutAreaDesc = AddEntry(mnuOut, "Edit Area Descriptions");
    mnuOut->addSeparator();
    mnuImportOut = AddEntry(mnuOut, "Import Outdoor Section");
}

void frmMain::BuildTownMenu() {
    mnuTown = menuBar()->addMenu("&Town");
    mnuTownLoad = AddEntry(mnuTown, "Load Another Town");
    mnuTownEdit = AddEntry(mnuTown, "Edit Town Terrain");
    mnuTownDetails = AddEntry(mnuTown, "Town Details");
    mnuTownWandering = AddEntry(mnuTown, "Town Wandering Monsters");
    mnuTownNodes = AddEntry(mnuTown, "Edit Special Nodes");
    mnuTownText = AddEntry(mnuTown, "Edit Town Text");
    mnuTownItems = AddEntry(mnuTown, "Town Items");
    mnuTownMonsters = AddEntry(mnuTown, "Town Monsters");
    mnuTownDialogue = AddEntry(mnuTown, "Edit Town Dialogue");
    mnuTownEvent = AddEntry(mnuTown, "Set Town Event Timers");
    mnuTownAreaDesc = AddEntry(mnuTown, "Edit Area Descriptions");
    mnuTownRandItem = AddEntry(mnuTown, "Add Random Items");
    mnuTown->addSeparator();
    mnuTownCreate = AddEntry(mnuTown, "Create New Town");
    mnuTownImport = AddEntry(mnuTown, "Import Town");
    mnuTownDelete = AddEntry(mnuTown, "Delete Last Town");
}

// The entries whose handlers live with the main window itself.
void frmMain::ConnectMenus() {
    connect(mnuFileOpen, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
    connect(mnuFileSave, &QAction::triggered, this, [this] { mnuFileSave_Click(); });
    connect(mnuFileSaveAs, &QAction::triggered, this, [this] { mnuFileSaveAs_Click(); });
    connect(mnuFileNew, &QAction::triggered, this, [this] { mnuFileNew_Click(); });
    connect(mnuScenTextDump, &QAction::triggered, this, [this] { mnuScenTextDump_Click(); });
    connect(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
    connect(mnuHelp, &QAction::triggered, this, [this] { mnuHelp_Click(); });
    connect(mnuScenButtons, &QAction::triggered, this, [this] { mnuScenButtons_Click(); });
    connect(mnuScenLockLists, &QAction::triggered, this, [this] { mnuScenLockLists_Click(); });
    connect(mnuTownDelete, &QAction::triggered, this, [this] { mnuTownDelete_Click(); });
    connect(mnuImportOut, &QAction::triggered, this, [this] { mnuImportOut_Click(); });
    connect(mnuTownImport, &QAction::triggered, this, [this] { mnuTownImport_Click(); });
    connect(mnuOutEdit, &QAction::triggered, this, [this] { mnuOutEdit_Click(); });
    connect(mnuTownEdit, &QAction::triggered, this, [this] { mnuTownEdit_Click(); });
    connect(mnuScenTerrain, &QAction::triggered, this, [this] { mnuScenTerrain_Click(); });
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The set-up runs at the first showing only. Qt's window activation is no opening: it also
    // comes back after every message box and every switch between programs, and would then
    // overwrite the caption that the last command set. Every command that changes what the
    // caption shows sets it itself.
    if (FirstTime) Form_Activate();
}

void frmMain::Form_Activate() {
    if (FirstTime) {
        const QCursor sword = CursorFromPicture(frmPics.iconSword);
        setCursor(sword);
        picMap->setCursor(sword);
        Form_Paint();
        FirstTime = false;
        picMap_Initialize();
        HeldSlot = LastItemNum = LastMonstNum = -1;
        TerrainEditMode = 0;
        ClickStep = 0;
    }
    SetCaption("Varno Scenario Editor - " + ScenFile.ScenFileName);
}

void frmMain::Form_Paint() {
    PaintMarbleBackground(background->surface(), kMarbleStyle, background);
}

void frmMain::picMap_Initialize() {
    Map.ZoomView = true;
    CurrentTool = 0;
    lblTool[0]->setText(ToQString(ToolCaptions[0][kToolCaptionColumn]));
    lblTool[1]->setText(ToQString(ToolCaptions[0][kToolPromptColumn]));
}

void frmMain::HideMapEditor() {
    HeldSlot = LastItemNum = LastMonstNum = -1;
    ClickStep = 0;
    List1->hide();
    picMap->hide();
    for (QLabel* label : lblMapcell)
        label->hide();
    TerrainEditMode = 0;
    picTerrain->hide();
    frmTools->hide();
    picSelTerrain->hide();
    for (QLabel* label : lblTool)
        label->hide();
}

void frmMain::SetCaption(const std::string& caption) {
    // File names are the system's own; the caption shows them as they are.
    setWindowTitle(QString::fromStdString(caption));
}

void frmMain::WriteOutdoorStatusLine() {
    const int x = Scen.CurrentOutdoorX;
    const int y = Scen.CurrentOutdoorY;
    Label1->setText(QString("Outdoors: %1, %2 - ").arg(x).arg(y) +
                    ToQString(Scen.OutdoorSections.At(x, y).Strings[0]));
    Label1->show();
}

void frmMain::WriteTownStatusLine() {
    const int town = Scen.CurrentTown;
    Label2->setText(QString("Town: %1 - ").arg(town) +
                    ToQString(Scen.Towns.at(static_cast<std::size_t>(town)).Strings[0]));
    Label2->show();
}

void frmMain::ShowScenarioState() {
    scenarioShown_ = true;
    SetCaption("Varno Scenario Editor - " + ScenFile.ScenFileName);
    mnuFileSave->setEnabled(true);
    mnuScen->setEnabled(true);
    mnuOut->setEnabled(true);
    mnuTown->setEnabled(true);
    WriteOutdoorStatusLine();
    WriteTownStatusLine();
}

void frmMain::ShowNoScenarioState() {
    SetCaption("Varno Scenario Editor");
    mnuFileSave->setEnabled(false);
    mnuScen->setEnabled(false);
    mnuOut->setEnabled(false);
    mnuTown->setEnabled(false);
    Label1->hide();
    Label2->hide();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Terminate();
}

void frmMain::Form_Unload() {
    close();
}

void frmMain::Form_Terminate() {
    if (terminating_) return;
    terminating_ = true;
    // Every other window goes first, the last loaded first; this one goes when the program
    // leaves its event loop.
    UnloadAllFormsExcept(this);
    QCoreApplication::quit();
}
