#pragma once

#include "map/objects/ObjectState.h"
#include "map/tools/ToolState.h"

#include <QMainWindow>
#include <array>
#include <cstdint>

class MapToolHost;
class MapViewBridge;
class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class PictureBox;
struct ViewCell;

constexpr int kToolButtonCount = 53;

// The editor's main window: menus, status lines and the work area (map, palette, tools and the
// record list).
class frmMain : public QMainWindow {
  public:
    frmMain();

    // Set by the start-up sequence; the first showing does the one-time set-up.
    bool FirstTime = false;

    void Form_Activate();
    void Form_Paint();
    void Form_Unload();
    void Form_Terminate();
    void HideMapEditor();
    void picMap_Initialize();

    // Menu handlers.
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileNew_Click();
    void mnuFileExit_Click();
    void mnuHelp_Click();
    void mnuScenButtons_Click();
    void mnuScenLockLists_Click();
    void mnuScenTextDump_Click();
    void mnuTownDelete_Click();
    void mnuImportOut_Click();
    void mnuTownImport_Click();
    void mnuOutEdit_Click();
    void mnuTownEdit_Click();
    void mnuScenTerrain_Click();

    // The map view, the terrain palette and the selected-terrain box (frmMainMap.cpp).
    void picMap_Paint();
    void picMap_KeyDown(const QKeyEvent& event);
    void picMap_MouseMove(Qt::MouseButtons buttons, ViewCell cell);
    void RebuildAndRedraw();
    void RefreshTerrainPalette();
    void RefreshSelTerrain();
    void SelectDrawTerrainTool();
    void picTerrain_Paint();
    void picTerrain_MouseDown(Qt::MouseButton button, int x, int y);
    void picTerrain_MouseMove(int x, int y);
    void picSelTerrain_Paint();
    void picSelTerrain_Click();
    // What the map's code asks of this window.
    MapViewBridge* MapBridge = nullptr;

    // The tool buttons and the presses and double clicks on the map (frmMainTools.cpp).
    void SetUpToolButtons();
    void cmdTool_Click(int index);
    void picMap_MouseDown(Qt::MouseButtons buttons, ViewCell cell);
    void picMap_DblClick(Qt::MouseButton button);
    MapToolHost* ToolHostImpl = nullptr;

    // The town dialogs' menu entries (frmMainTown.cpp).
    void ConnectTownMenus();
    void mnuTownLoad_Click();
    void mnuTownCreate_Click();
    void mnuTownDetails_Click();
    void mnuTownWandering_Click();
    void mnuTownMonsters_Click();
    void mnuTownItems_Click();
    void mnuTownAreaDesc_Click();
    void mnuOutAreaDesc_Click();

    // The outdoor dialogs' menu entries and the variable town entries (frmMainOutdoor.cpp).
    void ConnectOutdoorMenus();
    void mnuOutLoad_Click();
    void mnuOutDetails_Click();
    void mnuOutWandering_Click();
    void mnuOutEncounters_Click();
    void mnuTownVEntry_Click();

    // The record list.
    void ListCommand(std::int32_t mode);
    void FillList();
    void List1_DblClick();
    void List1_MouseDown(Qt::MouseButton button);
    void List1_MouseMove(Qt::MouseButtons buttons);
    void List1_MouseUp(Qt::MouseButton button);

    // Controls.
    PictureBox* background = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QLabel*, 6> lblMapcell{};
    PictureBox* picMap = nullptr;
    PictureBox* picTerrain = nullptr;
    QListWidget* List1 = nullptr;
    QFrame* frmTools = nullptr;
    std::array<QPushButton*, kToolButtonCount> cmdTool{};
    PictureBox* picSelTerrain = nullptr;
    std::array<QLabel*, 2> lblTool{};

    // Menus and their entries.
    QMenu* mnuFile = nullptr;
    QMenu* mnuScen = nullptr;
    QMenu* mnuOut = nullptr;
    QMenu* mnuTown = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuScenDetails = nullptr;
    QAction* mnuScenIntroText = nullptr;
    QAction* mnuScenTerrain = nullptr;
    QAction* mnuScenMonsters = nullptr;
    QAction* mnuScenItems = nullptr;
    QAction* mnuScenSpecItems = nullptr;
    QAction* mnuScenNodes = nullptr;
    QAction* mnuScenText = nullptr;
    QAction* mnuScenSave = nullptr;
    QAction* mnuScenBoats = nullptr;
    QAction* mnuScenHorses = nullptr;
    QAction* mnuScenEvent = nullptr;
    QAction* mnuTownVEntry = nullptr;
    QAction* mnuScenItemsShort = nullptr;
    QAction* mnuScenButtons = nullptr;
    QAction* mnuScenStuffDone = nullptr;
    QAction* mnuScenLockLists = nullptr;
    QAction* mnuScenDataDump = nullptr;
    QAction* mnuScenTextDump = nullptr;
    QAction* mnuOutLoad = nullptr;
    QAction* mnuOutEdit = nullptr;
    QAction* mnuOutDetails = nullptr;
    QAction* mnuOutWandering = nullptr;
    QAction* mnuOutEncounters = nullptr;
    QAction* mnuOutNodes = nullptr;
    QAction* mnuOutText = nullptr;
    QAction* mnuOutAreaDesc = nullptr;
    QAction* mnuImportOut = nullptr;
    QAction* mnuTownLoad = nullptr;
    QAction* mnuTownEdit = nullptr;
    QAction* mnuTownDetails = nullptr;
    QAction* mnuTownWandering = nullptr;
    QAction* mnuTownNodes = nullptr;
    QAction* mnuTownText = nullptr;
    QAction* mnuTownItems = nullptr;
    QAction* mnuTownMonsters = nullptr;
    QAction* mnuTownDialogue = nullptr;
    QAction* mnuTownEvent = nullptr;
    QAction* mnuTownAreaDesc = nullptr;
    QAction* mnuTownRandItem = nullptr;
    QAction* mnuTownCreate = nullptr;
    QAction* mnuTownImport = nullptr;
    QAction* mnuTownDelete = nullptr;

    // Window state shared by the tools and panels.
    std::int32_t ListMode = 0;
    // The map tools keep these; the window reads and resets them under its own names.
    std::int16_t& CurrentTool = Tools.CurrentTool;
    std::int16_t& ClickStep = Tools.ClickStep;
    std::int16_t& HeldSlot = Tools.HeldSlot;
    std::int16_t& LastItemNum = Objects.LastItemNum;
    std::int16_t& LastMonstNum = Objects.LastMonstNum;
    std::int16_t TerrainEditMode = 0;
    bool MapPainting = false;
    // Dragging in the record list: the entries where the button went down and under the
    // pointer, and -1 once the pointer moved with the button held (until the next press).
    std::int16_t DragFrom = 0;
    std::int16_t DragTo = 0;
    std::int16_t Dragging = 0;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void BuildFileMenu();
    void BuildScenarioMenu();
    void BuildOutdoorMenu();
    void BuildTownMenu();
    void ConnectMenus();
    void ShowMapEditor(bool outdoors);
    void ConnectRecordList();
    void ShowScenarioState();
    void ShowNoScenarioState();
    void WriteOutdoorStatusLine();
    void WriteTownStatusLine();
    void SetCaption(const std::string& caption);
    void RefreshMapAfterDialog();

    // True once a scenario has been opened; a failed open then keeps it on screen.
    bool scenarioShown_ = false;
    bool terminating_ = false;
};
