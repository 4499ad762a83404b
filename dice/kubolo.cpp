// Kubolo: five dice, thirteen turns, a score sheet of thirteen categories.
#include "assets/kubolo/kuboloart.h"
#include "dice/mainform.h"
#include "platform/firstshown.h"
#include "platform/platform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kubolo"));
    QApplication::setDesktopFileName(QStringLiteral("org.pekuca.Kubolo"));
    platform::Desktop desktop;
    desktop.platform().help.setHelpFile(QStringLiteral("KUBOLO3HELP.HLP"));
    kubolo::art::registerArt();
    QApplication::setWindowIcon(QIcon(platform::resources::picture(kubolo::art::MainIcon)));

    kubolo::TMainForm form(desktop.platform());
    // The game's dialogs, once, as soon as the main window is on the screen:
    // nothing can ask for them before, and the first sight of the window
    // should not wait for them.
    platform::whenFirstShown(form, [&form] { form.createDialogs(); });
    form.show();
    // The keyboard is the game's from the start, with or without a window
    // manager to hand it over.
    form.activateWindow();
    return app.exec();
}
