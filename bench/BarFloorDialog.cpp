// The floor for the bar's start-up and idle figures: a bare frameless Qt dialog of the bar's
// size, with nothing in it. With QUIVLANE_EXIT_AFTER_SHOW=1 it prints the time of its first
// paint and ends, exactly as the bar does, so both are timed to the same point.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace {

class ExitAfterFirstPaint final : public QObject {
  public:
    explicit ExitAfterFirstPaint(QDialog& dialog) : dialog_(dialog) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &dialog_ && event->type() == QEvent::Paint && !done_) {
            done_ = true;
            const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::system_clock::now().time_since_epoch());
            std::printf("floor: shown at %lld\n", static_cast<long long>(now.count()));
            std::fflush(stdout);
            QTimer::singleShot(0, &dialog_, [this] { dialog_.done(QDialog::Accepted); });
        }
        return false;
    }

  private:
    QDialog& dialog_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    dialog.setFixedSize(197, 419);
    ExitAfterFirstPaint measuring(dialog);
    if (qEnvironmentVariable("QUIVLANE_EXIT_AFTER_SHOW") == QStringLiteral("1")) {
        dialog.installEventFilter(&measuring);
    }
    dialog.exec();
    return 0;
}
