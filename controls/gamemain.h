#pragma once

#include "controls/gamewindow.h"

#include <QStringView>

#include <functional>
#include <memory>

// What a game's program is called and where its help lives.
struct GameProgram {
    QStringView name;      // the program's own name, never translated
    QStringView desktopId; // its menu entry
    QStringView helpFile;
};

// A game's program from start to end: the desktop's language, one copy at a
// time (a copy already running comes to the front instead, and this one
// ends before it reads or writes anything), the window made, shown with the
// keyboard, and run until it closes.
int runGame(int argc, char **argv, const GameProgram &program,
            const std::function<std::unique_ptr<TGameWindow>(platform::Platform &)> &makeWindow);

template <class Window>
int runGame(int argc, char **argv, const GameProgram &program)
{
    return runGame(argc, argv, program,
                   [](platform::Platform &platform) { return std::make_unique<Window>(platform); });
}
