#pragma once

#include <QTimer>
#include <QWidget>
#include <thread>

// The start-up window: shows the start-up picture, refuses a second copy of the program, and
// half a second later fills the tables, loads the pictures and opens the main window.
class frmSplash : public QWidget {
  public:
    frmSplash();
    ~frmSplash() override;

    // False when another copy of the program runs: the window has closed and the program ends.
    bool Form_Load();
    void Timer1_Timer();

    QTimer Timer1;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    bool sequenceStarted_ = false;
    // Sets up Qt's font database while the picture shows; see Form_Load.
    std::thread fontSetUp_;
};
