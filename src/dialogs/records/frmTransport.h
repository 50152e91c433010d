#pragma once

#include "forms/RecordDialog.h"
#include "scenario/ScenarioRecords.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class PictureBox;

// The scenario's 24 boats (TransportType 0) or 24 horses (1), six to a page on four pages. All
// 24 are the working copy: the arrows page through it and save nothing; OK writes all back.
class frmTransport : public RecordDialog {
  public:
    static constexpr int kCount = 24;
    static constexpr int kRows = 6;
    static constexpr int kPages = kCount / kRows;

    frmTransport();

    std::int16_t TransportType = 0;
    std::array<Transport, kCount> Work{};
    int Page = 0;

    void lstTown_Click(int index);
    void chkProperty_Click(int index);

    PictureBox* picDlogPic = nullptr;
    std::array<QLabel*, 9> lblLabel1{};
    std::array<QLabel*, 9> lblLabel2{};
    std::array<QLabel*, kRows> lblTransNum{};
    std::array<QComboBox*, kRows> lstTown{};
    std::array<QLineEdit*, kRows> txtXcoord{};
    std::array<QLineEdit*, kRows> txtYcoord{};
    std::array<QCheckBox*, kRows> chkProperty{};
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override;
    bool SaveRecord() override;

  private:
    void BuildControls();
    void BindRows();
    void TurnPage(int step);
    Transport& RowRecord(std::size_t row) {
        return Work[static_cast<std::size_t>(Page) * kRows + row];
    }
    // Shows or hides the row's position and property by its town, and bounds its coordinates
    // by that town's size.
    void ShowRowPlace(std::size_t row);
    std::array<Transport, kCount>* Stored();

    // The rows' fields as the boxes and lists edit them; copied from and to the page's records.
    std::array<std::int16_t, kRows> rowTown_{};
    std::array<std::uint8_t, kRows> rowX_{};
    std::array<std::uint8_t, kRows> rowY_{};
    std::array<NumericBox*, kRows> xBoxes_{};
    std::array<NumericBox*, kRows> yBoxes_{};
    std::array<ValueList*, kRows> townLists_{};
};
