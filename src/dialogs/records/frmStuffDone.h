#pragma once

#include "forms/RecordDialog.h"
#include "scenario/ScenarioRecords.h"

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QWindow;
class PictureBox;

// The names of the stuff-done flags and of their values 0..9, one flag at a time. The one
// window the main window shows without blocking: the author may keep it open beside the map
// and the other editors. Each return to it from another window of the program shows the
// current flag again as stored, so that names changed elsewhere are seen.
class frmStuffDone : public RecordDialog {
  public:
    static constexpr int kFlagCount = 300;

    frmStuffDone();

    // Opens the window beside the others, or brings it to the front when it is open.
    void ShowModeless();

    StuffDoneDescription Work;
    std::int16_t FlagNum = 0;

    void LoadFlagNames();
    void ShowFlagNames();
    void SaveFlagNames();
    void cmdDelete_Click(int index);
    void lblSD1_Change();
    void lblSD1_LostFocus();

    PictureBox* picDlogPic = nullptr;
    QLineEdit* lblSD1 = nullptr;
    QLineEdit* txtSD1 = nullptr;
    std::array<QLineEdit*, 10> txtSD2{};
    std::array<QPushButton*, 10> cmdDelete{};
    QPushButton* cmdScrollLeft = nullptr;
    QPushButton* cmdScrollRight = nullptr;

  protected:
    void LoadRecord() override;
    void ShowRecord() override { ShowFlagNames(); }
    bool SaveRecord() override;
    int RecordCount() const override { return kFlagCount; }
    int RecordNumber() const override { return FlagNum; }
    void SetRecordNumber(int number) override { FlagNum = static_cast<std::int16_t>(number); }

  private:
    void BuildControls();
    void FocusWindowChanged(QWindow* window);

    // Whether the window that had the focus before this one is another window of the program
    // (not one of this window's own message boxes).
    bool cameFromOtherWindow_ = false;
};
