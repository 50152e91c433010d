#pragma once

#include "forms/RecordDialog.h"

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// Event timers: a number of moves and the special node called each time that many moves have
// passed. EventType 0 edits the scenario's first ten timers with scenario nodes, 2 the current
// town's eight timers with town nodes. The timers are read at the first opening, so that the
// working copy survives the special-node editor opened from a row.
class frmEventTimers : public RecordDialog {
  public:
    static constexpr int kRows = 10;
    static constexpr int kTownRows = 8;

    frmEventTimers();

    std::int32_t EventType = 0;

    std::array<std::int16_t, kRows> Moves{};
    std::array<std::int16_t, kRows> Nodes{};

    void cmdButton_Click(int index);

    PictureBox* picDlogPic = nullptr;
    std::array<QLabel*, 3> lblLabel1{};
    std::array<QLabel*, 3> lblLabel2{};
    std::array<QLineEdit*, kRows> txtMoves{};
    std::array<QLineEdit*, kRows> txtSpNode{};
    std::array<QPushButton*, kRows> cmdButton{};

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;

  private:
    void BuildControls();
    bool TownTimers() const { return EventType == 2; }
    int RowCount() const { return TownTimers() ? kTownRows : kRows; }

    std::array<NumericBox*, kRows> nodeBoxes_{};
};
