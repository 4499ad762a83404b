#include "assets/pegora/pegoraart.h"
#include "codebreaking/bp.h"
#include "codebreaking/congrats.h"
#include "codebreaking/mainform.h"
#include "codebreaking/res.h"
#include "codebreaking/stat.h"
#include "codebreaking/top.h"
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
    using namespace codebreaking;
    // The board first (it reads the settings file), then each dialog once, in
    // this order; they live as long as the program.
    TMainForm MainForm(platform);
    TBestPlayers BestPlayers(platform, MainForm.Records, &MainForm);
    TStatistics Statistics(platform, MainForm.Stats, &MainForm);
    // The About boxes come here, before the result dialog.
    TResult Result(platform, MainForm.Game, MainForm.Records, &MainForm);
    TCongratulations Congratulations(platform, MainForm.Game, BestPlayers, &MainForm);
    TTopScore TopScore(platform, MainForm.Game, BestPlayers, &MainForm);

    MainForm.dialogs.showResult = [&] { platform.messages.exec(Result); };
    MainForm.dialogs.showStatistics = [&] { platform.messages.exec(Statistics); };
    MainForm.dialogs.clearBestMarks = [&] { BestPlayers.ClearRowMarks(); };
    MainForm.dialogs.showBestPlayers = [&] { platform.messages.exec(BestPlayers); };
    Result.showTopScore = [&] { platform.messages.exec(TopScore); };
    Result.showCongratulations = [&] { platform.messages.exec(Congratulations); };

    QApplication::setWindowIcon(
        QIcon(platform::resources::picture(QString::fromLatin1(codebreaking::art::MainIcon))));
    MainForm.show();
    return app.exec();
}
