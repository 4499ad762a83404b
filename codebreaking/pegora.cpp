#include "assets/pegora/pegoraart.h"
#include "codebreaking/mainform.h"
#include "platform/platform.h"
#include "platform/resources.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pegora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pegora"));
    platform::Desktop desktop;
    platform::Platform &platform = desktop.platform();
    platform.help.setHelpFile(QStringLiteral("Pegora2help.hlp"));

    codebreaking::art::registerPictures();
    codebreaking::TMainForm MainForm(platform);
    // The records, statistics, About, result and congratulation dialogs are
    // made here, after the board and in that order, and hooked into
    // MainForm.dialogs.
    QApplication::setWindowIcon(
        QIcon(platform::resources::picture(QString::fromLatin1(codebreaking::art::MainIcon))));
    MainForm.show();
    return app.exec();
}
