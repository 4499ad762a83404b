// A game window redrawn at a new size, as a corner drag asks it: each pass
// resizes the shown window by a few pixels and paints it whole. Run for 300
// passes, so that no size comes twice.
#pragma once

#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

template <class Window>
void redrawAtNewSizes(benchmark::State &state)
{
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QFile greeted(home.filePath(QStringLiteral("Pegora.INI"))); // no welcome box to answer
    if (greeted.open(QIODevice::WriteOnly))
        greeted.write("[Options]\nWelcomeBox=0\n");
    greeted.close();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ALSA_CONFIG_PATH", "/nonexistent"); // no sound device: nothing to wait for
    static int argc = 1;
    static char name[] = "redraw";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    platform::Desktop desktop;
    Window window(desktop.platform());
    window.show();
    const QSize start = window.size();
    int step = 0;
    for (auto _ : state) {
        ++step;
        window.resize(start + QSize(3 * step, 2 * step));
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
