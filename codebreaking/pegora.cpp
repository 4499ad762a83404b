#include "assets/pegora/pegoraart.h"
#include "codebreaking/bp.h"
#include "codebreaking/congrats.h"
#include "codebreaking/mainform.h"
#include "codebreaking/myabout.h"
#include "codebreaking/res.h"
#include "codebreaking/stat.h"
#include "codebreaking/top.h"
#include "platform/firstshown.h"
#include "platform/platform.h"
#include "platform/resources.h"

#include <QApplication>
#include <QIcon>

#include <memory>

namespace {

using namespace codebreaking;

// The board's dialogs, made once each in this order and kept for the run.
struct Dialogs {
    TBestPlayers BestPlayers;
    TStatistics Statistics;
    TAboutBox1 AboutBox1;
    TResult Result;
    TCongratulations Congratulations;
    TTopScore TopScore;

    Dialogs(platform::Platform &platform, TMainForm &board)
        : BestPlayers(platform, board.Records, &board), Statistics(platform, board.Stats, &board),
          AboutBox1(platform, &board), Result(platform, board.Game, board.Records, &board),
          Congratulations(platform, board.Game, BestPlayers, &board),
          TopScore(platform, board.Game, BestPlayers, &board)
    {
        Result.showTopScore = [this, &platform] { platform.messages.exec(TopScore); };
        Result.showCongratulations = [this, &platform] { platform.messages.exec(Congratulations); };
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pegora"));
    platform::Desktop desktop;
    platform::Platform &platform = desktop.platform();
    platform.help.setHelpFile(QStringLiteral("Pegora2help.hlp"));

    codebreaking::art::registerPictures();
    // The board first: it reads the settings file.
    TMainForm MainForm(platform);

    // The dialogs follow as soon as the board is on the screen (their first
    // edit field alone costs several milliseconds of start-up), or earlier
    // if a command needs one first.
    std::unique_ptr<Dialogs> dialogs;
    const auto made = [&]() -> Dialogs & {
        if (!dialogs)
            dialogs = std::make_unique<Dialogs>(platform, MainForm);
        return *dialogs;
    };
    MainForm.dialogs.showResult = [&] { platform.messages.exec(made().Result); };
    MainForm.dialogs.showStatistics = [&] { platform.messages.exec(made().Statistics); };
    MainForm.dialogs.clearBestMarks = [&] { made().BestPlayers.ClearRowMarks(); };
    MainForm.dialogs.showBestPlayers = [&] { platform.messages.exec(made().BestPlayers); };
    MainForm.dialogs.showAbout = [&] { platform.messages.exec(made().AboutBox1); };

    QApplication::setWindowIcon(QIcon(platform::resources::picture(QString::fromLatin1(codebreaking::art::MainIcon))));
    platform::whenFirstShown(MainForm, [&] { made(); });
    MainForm.show();
    return app.exec();
}
