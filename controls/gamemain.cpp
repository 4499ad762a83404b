#include "controls/gamemain.h"

#include "platform/endsignals.h"
#include "platform/language.h"
#include "platform/platform.h"
#include "platform/resources.h"
#include "platform/singlecopy.h"

#include <QApplication>
#include <QIcon>

int runGame(int argc, char **argv, const GameProgram &program,
            const std::function<std::unique_ptr<TGameWindow>(platform::Platform &)> &makeWindow)
{
    QApplication app(argc, argv);
    const QString name = program.name.toString();
    platform::setUpLanguage(name);
    QApplication::setApplicationName(name);
    QApplication::setDesktopFileName(program.desktopId.toString());
    platform::SingleCopy copy(name);
    if (copy.otherCopyCameForward())
        return 0;
    platform::Desktop desktop;
    desktop.platform().help.setHelpFile(program.helpFile.toString());
    // Told from the start: a game may ask its first question before its
    // window is on the screen.
    platform::EndSignals endSignals;
    TGameWindow *made = nullptr;
    bool endedEarly = false;
    QObject::connect(&endSignals, &platform::EndSignals::endRequested, [&made, &endedEarly] {
        if (made) {
            made->endRun();
        } else {
            // Out of any question asked meanwhile; the window ends once made.
            endedEarly = true;
            QCoreApplication::exit(0);
        }
    });
    // The window first: it registers the game's pictures, the icon among them.
    const std::unique_ptr<TGameWindow> window = makeWindow(desktop.platform());
    made = window.get();
    if (endedEarly)
        window->endRun();
    if (window->ended())
        return 0;
    QApplication::setWindowIcon(QIcon(platform::resources::picture(QStringLiteral("MAINICON"))));
    copy.setWindow(window.get());
    window->show();
    // The keyboard is the game's from the start, with or without a window
    // manager to hand it over.
    window->activateWindow();
    return app.exec();
}
