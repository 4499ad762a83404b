// A game's window in a micro-benchmark: off screen, with its settings in a
// fresh directory and no sound device, so nothing asks or waits.
#pragma once

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

// Makes the application, once per run.
inline void startWindowBench()
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
    static char name[] = "bench";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}
