#include "platform/qt/HelpWindow.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/MsgBox.h"
#include "platform/core/RuntimeError.h"

#include <QPointer>
#include <QTextBrowser>

void ShowHelpFile(const std::string& path) {
    // The window goes with its own close; the next Help makes a new one.
    static QPointer<QTextBrowser> window;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const RuntimeError& e) {
        MsgBox("Cannot open the help file " + path + ": " + e.description(), msgbox::Exclamation,
               "Help");
        return;
    }
    if (!window) {
        window = new QTextBrowser();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle("Varno Scenario Editor Help");
        window->setOpenExternalLinks(false);
        window->resize(640, 560);
    }
    window->setHtml(QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                                      static_cast<qsizetype>(bytes.size())));
    window->show();
    window->raise();
}
