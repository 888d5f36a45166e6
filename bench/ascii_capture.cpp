// Capture of a 2,000-line printout at 115200 baud through the ASCII viewer:
// a linesim line paced at the baud rate, the viewer's real capture job on
// one end, the printout written on the other. Reports whether every byte
// arrived and how late the viewer's event loop ran meanwhile (a 10 ms timer
// measured against the clock).
//
//   build/bin/ascii_capture_bench [lines]

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "app/AppCore.h"
#include "app/TextTable.h"
#include "tools/linesim/LineSim.h"
#include "ui/CAsciiDlg.h"
#include "worker/CComThread.h"

namespace {

constexpr int kBaud115200 = 115200;
constexpr int kTickMs = 10;

QByteArray Printout(int lines) {
    QByteArray text;
    for (int n = 1; n <= lines; ++n) {
        text += QStringLiteral("%1  Gran   %2  %3  \xC5sen  Plot %4\r\n")
                    .arg(n, 5)
                    .arg(180 + n % 400, 4)
                    .arg(20 + n % 13, 3)
                    .arg(1 + n / 50, 3)
                    .toLatin1();
    }
    return text;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(p * (values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int lines = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;
    QTextStream out(stdout);

    linesim::Options options;
    options.baud = 115200;
    linesim::LineSim line(options);
    if (!line.IsRunning()) {
        out << "linesim: " << QString::fromStdString(line.Error()) << "\n";
        return 2;
    }
    AppCore app;
    app.TextTable = EnglishTexts();
    app.BaudRateList = DefaultBaudRateList();
    CAsciiDlg viewer(app);
    viewer.dialogs.message = [&out](QWidget*, const QString& text, std::optional<MessageIcon>) {
        out << "message: " << text << "\n";
    };
    viewer.job.portName = QString::fromStdString(line.Path(linesim::LineSim::kSideA));
    viewer.job.baud = kBaud115200;
    viewer.show();

    const QByteArray printout = Printout(lines);
    const int peer = ::open(line.Path(linesim::LineSim::kSideB).c_str(), O_RDWR | O_NOCTTY);
    termios raw{};
    ::tcgetattr(peer, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(peer, TCSANOW, &raw);

    // The job settles and purges the line after opening it; start after that.
    QElapsedTimer wait;
    wait.start();
    while (viewer.worker->link.load() == nullptr && wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 800)
        QApplication::processEvents(QEventLoop::AllEvents, 10);

    std::vector<double> lateness;
    QElapsedTimer clock;
    qint64 last = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last != 0) lateness.push_back((now - last) / 1e6 - kTickMs);
        last = now;
    });

    std::atomic<bool> written{false};
    clock.start();
    ticker.start(kTickMs);
    std::thread writer([&] { written = WriteAll(peer, printout); });
    const qint64 deadline = 10'000 + printout.size() * 10'000LL / 115200 * 3;
    while (viewer.captureText.size() < printout.size() && clock.elapsed() < deadline)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const double seconds = clock.nsecsElapsed() / 1e9;
    ticker.stop();
    writer.join();
    viewer.accept();
    ::close(peer);

    const bool exact = viewer.captureText == printout;
    out << "ASCII viewer capture, " << lines << " lines, " << printout.size()
        << " bytes at 115200 baud\n"
        << "  written by the peer:   " << (written ? "all" : "FAILED") << "\n"
        << "  captured:              " << viewer.captureText.size() << " bytes, "
        << (exact ? "identical" : "DIFFERENT") << "\n"
        << "  list items:            " << viewer.pieceList()->count() << "\n"
        << "  time:                  " << QString::number(seconds, 'f', 2) << " s ("
        << QString::number(printout.size() / seconds, 'f', 0) << " bytes/s; the line carries "
        << 115200 / 10 << ")\n"
        << "  event-loop lateness of a " << kTickMs << " ms timer over " << lateness.size()
        << " ticks: median " << QString::number(Percentile(lateness, 0.5), 'f', 2)
        << " ms, 99th percentile " << QString::number(Percentile(lateness, 0.99), 'f', 2)
        << " ms, worst " << QString::number(Percentile(lateness, 1.0), 'f', 2) << " ms\n";
    return exact ? 0 : 1;
}
