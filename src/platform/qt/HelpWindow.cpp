#include "platform/qt/HelpWindow.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/MsgBox.h"
#include "platform/core/RuntimeError.h"
#include "platform/qt/WindowPlace.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace {
constexpr int kPreferredWidth = 640;
constexpr int kPreferredHeight = 560;
constexpr int kReadableWidth = 320;

// A dialog, so that Esc closes it; it is shown without blocking, beside the editor.
QDialog* MakeHelpWindow() {
    auto* window = new QDialog();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle("Varno Scenario Editor Help");
    auto* text = new QTextBrowser(window);
    text->setOpenExternalLinks(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(text);
    layout->addWidget(buttons);
    return window;
}
} // namespace

QRect HelpWindowPlace(const QRect& available, const QRect& beside) {
    const int roomRight = available.right() - beside.right();
    const int roomLeft = beside.left() - available.left();
    const bool right = roomRight >= roomLeft;
    const int widest = std::min(kPreferredWidth, available.width());
    const int readable = std::min(kReadableWidth, widest);
    const int height = std::min(kPreferredHeight, available.height());
    const int room = right ? roomRight : roomLeft;
    if (room < readable) {
        // Pushed beside a window with no room there, it would cover that window's edge and its
        // title bar buttons: it opens over the middle of the window instead.
        const QPoint middle = beside.center();
        const int left =
            std::clamp(middle.x() - widest / 2, available.left(), available.right() + 1 - widest);
        const int top =
            std::clamp(middle.y() - height / 2, available.top(), available.bottom() + 1 - height);
        return {left, top, widest, height};
    }
    const int width = std::min(room, widest);
    const int left = right ? beside.right() + 1 : beside.left() - width;
    const int top = std::clamp(beside.top(), available.top(), available.bottom() + 1 - height);
    return {left, top, width, height};
}

void ShowHelpFile(const std::string& path, const QWidget* beside) {
    // The window goes with its own close; the next Help makes a new one.
    static QPointer<QDialog> window;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const RuntimeError& e) {
        MsgBox("Cannot open the help file " + path + ": " + e.description(), msgbox::Exclamation,
               "Help");
        return;
    }
    if (!window) {
        window = MakeHelpWindow();
        const QScreen* screen = beside ? beside->screen() : QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect();
        if (available.isValid()) {
            // The place is the help window's frame; it is decorated as the window it opens by.
            const QMargins frame = beside ? KnownFrameMargins(*beside) : QMargins();
            const QRect place =
                HelpWindowPlace(available, beside ? KnownFrameGeometry(*beside)
                                                  : QRect(available.topLeft(), QSize()));
            // The geometry is the client area; a move would place the frame.
            window->setGeometry(place.marginsRemoved(frame));
        } else {
            window->resize(kPreferredWidth, kPreferredHeight);
        }
    }
    window->findChild<QTextBrowser*>()->setHtml(QString::fromUtf8(
        reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    window->show();
    window->raise();
}
