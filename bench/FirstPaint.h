#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <stdexcept>

// Watches every widget's paint events until a window's widgets have painted. Qt paints all
// the widgets of a window in one pass, so the first paint marks the whole pass.
class FirstPaint : public QObject {
  public:
    // Starts watching for a paint of a top-level window other than except.
    void Watch(const QWidget* except = nullptr) {
        except_ = except;
        painted_ = false;
        qApp->installEventFilter(this);
    }

    // Passes over pending events until the watched paint has come.
    void Wait() {
        for (int pass = 0; pass < 100 && !painted_; ++pass)
            QCoreApplication::processEvents();
        qApp->removeEventFilter(this);
        if (!painted_) throw std::runtime_error("the window was never painted");
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() != except_)
            painted_ = true;
        return false;
    }

  private:
    const QWidget* except_ = nullptr;
    bool painted_ = false;
};
