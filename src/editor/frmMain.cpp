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
    auto entry = [](QMenu* menu, const char* caption) {
        QAction* action = menu->addAction(caption);
        return action;
    };

    mnuFile = menuBar()->addMenu("&File");
    mnuFileOpen = entry(mnuFile, "&Open Scenario");
    mnuFileOpen->setShortcut(QKeySequence("Ctrl+O"));
    mnuFileSave = entry(mnuFile, "&Save Scenario");
    mnuFileSave->setShortcut(QKeySequence("Ctrl+S"));
    mnuFileSaveAs = entry(mnuFile, "Save &As...");
    mnuFileNew = entry(mnuFile, "&New Scenario");
    mnuFileExit = entry(mnuFile, "E&xit");

    mnuScen = menuBar()->addMenu("&Scenario");
    mnuScenDetails = entry(mnuScen, "ScenarioDetails");
    mnuScenIntroText = entry(mnuScen, "Scenario Intro Text");
    mnuScen->addSeparator();
    mnuScenTerrain = entry(mnuScen, "Edit Terrain Types");
    mnuScenMonsters = entry(mnuScen, "Edit Monsters");
    mnuScenItems = entry(mnuScen, "Edit Items");
    mnuScenSpecItems = entry(mnuScen, "Edit Special Items");
    mnuScenNodes = entry(mnuScen, "Edit Special Nodes");
    mnuScenText = entry(mnuScen, "Edit Scenario Text");
    mnuScenSave = entry(mnuScen, "Edit Saved Items Rectangles");
    mnuScenBoats = entry(mnuScen, "Edit Boats");
    mnuScenHorses = entry(mnuScen, "Edit Horses");
    mnuScenEvent = entry(mnuScen, "Edit Scenario Event Timers");
    mnuTownVEntry = entry(mnuScen, "Set Variable Town Entry");
    mnuScenItemsShort = entry(mnuScen, "Edit Item Placement Shortcuts");
    mnuScenButtons = entry(mnuScen, "Edit Button Captions");
    mnuScenStuffDone = entry(mnuScen, "Edit Stuff Done Descriptions");
    mnuScen->addSeparator();
    mnuScenLockLists = entry(mnuScen, "Lock Monster and Item lists");
    mnuScenDataDump = entry(mnuScen, "Write Data to Text File");
    mnuScenTextDump = entry(mnuScen, "Do Full Text Dump");

    mnuOut = menuBar()->addMenu("&Outdoors");
    mnuOutLoad = entry(mnuOut, "Load New Section");
    mnuOutEdit = entry(mnuOut, "Edit Outdoor Terrain");
    mnuOutDetails = entry(mnuOut, "Outdoor Details");
    mnuOutWandering = entry(mnuOut, "Outdoor Wandering Monsters");
    mnuOutEncounters = entry(mnuOut, "Outdoor Special Encounters");
    mnuOutNodes = entry(mnuOut, "Edit Special Nodes");
    mnuOutText = entry(mnuOut, "Edit Outdoor Text");
    mnuOutAreaDesc = entry(mnuOut, "Edit Area Descriptions");
    mnuOut->addSeparator();
    mnuImportOut = entry(mnuOut, "Import Outdoor Section");

    mnuTown = menuBar()->addMenu("&Town");
    mnuTownLoad = entry(mnuTown, "Load Another Town");
    mnuTownEdit = entry(mnuTown, "Edit Town Terrain");
    mnuTownDetails = entry(mnuTown, "Town Details");
    mnuTownWandering = entry(mnuTown, "Town Wandering Monsters");
    mnuTownNodes = entry(mnuTown, "Edit Special Nodes");
    mnuTownText = entry(mnuTown, "Edit Town Text");
    mnuTownItems = entry(mnuTown, "Town Items");
    mnuTownMonsters = entry(mnuTown, "Town Monsters");
    mnuTownDialogue = entry(mnuTown, "Edit Town Dialogue");
    mnuTownEvent = entry(mnuTown, "Set Town Event Timers");
    mnuTownAreaDesc = entry(mnuTown, "Edit Area Descriptions");
    mnuTownRandItem = entry(mnuTown, "Add Random Items");
    mnuTown->addSeparator();
    mnuTownCreate = entry(mnuTown, "Create New Town");
    mnuTownImport = entry(mnuTown, "Import Town");
    mnuTownDelete = entry(mnuTown, "Delete Last Town");

    mnuHelp = menuBar()->addAction("&Help");

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

    // Entries that can never be chosen.
    mnuScenItemsShort->setEnabled(false);
    mnuScenDataDump->setEnabled(false);
    mnuTownRandItem->setVisible(false);
    mnuTownRandItem->setEnabled(false);

    ConnectTownMenus();
    ConnectScenarioRecordMenus(*this);
    ConnectOutdoorMenus();
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
