// Kubolo: five dice, thirteen turns, a score sheet of thirteen categories.
#include "assets/kubolo/kuboloart.h"
#include "dice/mainform.h"
#include "platform/language.h"
#include "platform/platform.h"
#include "platform/singlecopy.h"

#include <QApplication>
#include <QIcon>


int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    platform::setUpLanguage(QStringLiteral("Kubolo"));
    QApplication::setApplicationName(QStringLiteral("Kubolo"));
    QApplication::setDesktopFileName(QStringLiteral("org.pekuca.Kubolo"));
    // A copy already running comes to the front instead; this one ends
    // before it reads or writes anything.
    platform::SingleCopy copy(QStringLiteral("Kubolo"));
    if (copy.otherCopyCameForward())
        return 0;
    platform::Desktop desktop;
    desktop.platform().help.setHelpFile(QStringLiteral("KUBOLO3HELP.HLP"));
    kubolo::art::registerArt();
    QApplication::setWindowIcon(QIcon(platform::resources::picture(kubolo::art::MainIcon)));

    kubolo::TMainForm form(desktop.platform());
    // The game's dialogs are made when first asked for, as the hints' state
    // values are: a game that never ends shows none.
    form.makeDialogsWhenAsked();
    copy.setWindow(&form);
    form.show();
    // The keyboard is the game's from the start, with or without a window
    // manager to hand it over.
    form.activateWindow();
    return app.exec();
}
