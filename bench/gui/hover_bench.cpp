// Hover repaint time with the decode cache beside decoding at every draw (same pixels), and
// memory over a long hover-and-click session.
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <iostream>

#include "BenchShell.h"
#include "ui/qt/SkinWidgets.h"

using namespace tarvik;
using Clock = std::chrono::steady_clock;

namespace {

// One hover change as the window makes it: OK back to normal, Cancel over, the changed part
// copied to the screen.
double hoverMs(bool decodeEveryDraw, int rounds, QImage& canvas, QImage& screen) {
    ui::SkinState skin;
    skin.folder = bench::kShare / "Skins" / "Carbon";
    ui::HoverButtons buttons;
    buttons.add({{562, 623, 667, 644}, "/button-normal.png", "/button-over.png", "OK"});
    buttons.add({{770, 623, 875, 644}, "/button-normal.png", "/button-over.png", "Cancel"});
    const auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        if (decodeEveryDraw) skin.cache.clear();
        QRect changed;
        {
            ui::CMemDC dc(canvas, nullptr);
            changed = buttons.track(i % 2 ? 600 : 800, 630, dc.painter(), skin);
        }
        QPainter copy(&screen);
        copy.setCompositionMode(QPainter::CompositionMode_Source);
        copy.drawImage(changed.topLeft(), canvas, changed);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / rounds;
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);  // headless unless a display is asked for
    QApplication app(argc, argv);
    QImage background(bench::kShare.string().append("/Skins/Carbon/main.png").c_str());
    QImage cached = background.convertToFormat(QImage::Format_ARGB32_Premultiplied), decoded = cached;
    QImage screen(cached.size(), QImage::Format_ARGB32_Premultiplied);
    const int rounds = 2000;
    const double fast = hoverMs(false, rounds, cached, screen);
    const double slow = hoverMs(true, rounds, decoded, screen);
    std::cout << "hover repaint: cached " << fast << " ms, decode at every draw " << slow << " ms, " << slow / fast
              << "x faster (target >= 10x); same pixels: " << (cached == decoded ? "yes" : "NO") << '\n';

    bench::BenchShell shell(std::filesystem::temp_directory_path() / "tarvik-hover-bench");
    shell.window->OnInitDialog();
    shell.window->show();
    auto session = [&](int n) {
        for (int i = 0; i < n; ++i) {
            QTest::mouseMove(shell.window.get(), QPoint(i % 2 ? 600 : 800, 630));
            QTest::mouseClick(shell.window.get(), Qt::LeftButton, {}, QPoint(i % 2 ? 30 : 80, 70));
        }
        QApplication::processEvents();
    };
    session(500);  // warm-up: caches and allocator pools settle
    const long before = bench::rssKb();
    session(5000);
    const long after = bench::rssKb();
    std::cout << "long session: 5000 hover changes and page switches, resident memory " << before << " kB -> " << after
              << " kB (" << (after - before) << " kB)\n";
    return 0;
}
