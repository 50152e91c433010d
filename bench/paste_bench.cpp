// A paste of one long line, copied from another program, into the dialogs' text boxes: the
// multi-line box held to a scenario text's 255 bytes, beside the line box held to 255
// characters. Each paste is Ctrl+V into a box that has just been given an empty text, on the
// offscreen platform.
#include "forms/MultiLineBox.h"
#include "forms/TypingLimit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <functional>
#include <stdexcept>

namespace {
constexpr int kLimit = 255;

// One line of `length` characters, with no line break in it.
QString OneLongLine(qsizetype length) {
    QString text(length, u'x');
    for (qsizetype i = 0; i < length; i += 7)
        text[i] = QChar(static_cast<char16_t>(u'a' + i % 26));
    return text;
}

void PasteByKey(QWidget* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(box, &release);
}

// Pastes the long line into the box by key, the box emptied by `empty` before each paste, and
// checks that it holds what fits.
void PasteIntoEmptiedBox(benchmark::State& state, QWidget* box, const std::function<void()>& empty,
                         const std::function<qsizetype()>& held) {
    QGuiApplication::clipboard()->setText(OneLongLine(state.range(0)));
    box->window()->show();
    box->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        empty();
        state.ResumeTiming();
        PasteByKey(box);
    }
    if (held() != kLimit) throw std::logic_error("the paste was not held");
}

void BM_PasteIntoMultiLineBox(benchmark::State& state) {
    QWidget window;
    auto* box = new MultiLineBox(kLimit, &window);
    PasteIntoEmptiedBox(
        state, box, [box] { box->SetModelText({}); },
        [box] { return static_cast<qsizetype>(box->ModelText().size()); });
}

void BM_PasteIntoLineBox(benchmark::State& state) {
    QWidget window;
    auto* box = new QLineEdit(&window);
    LimitTyping(box, kLimit);
    PasteIntoEmptiedBox(
        state, box, [box] { box->setText({}); }, [box] { return box->text().size(); });
}

// 64 kB and 1 MB.
BENCHMARK(BM_PasteIntoMultiLineBox)->Arg(1 << 16)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteIntoLineBox)->Arg(1 << 16)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notices would bury the results.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
