#include "assets/pegora/pegoraart.h"
#include "codebreaking/bp.h"
#include "codebreaking/congrats.h"
#include "codebreaking/mainform.h"
#include "codebreaking/myabout.h"
#include "codebreaking/res.h"
#include "codebreaking/stat.h"
#include "codebreaking/top.h"
#include "platform/language.h"
#include "platform/platform.h"
#include "platform/resources.h"
#include "platform/singlecopy.h"

#include <QApplication>
#include <QIcon>

#include <memory>

namespace {

using namespace codebreaking;

// The board's dialogs, made once each in this order and kept for the run.
struct Dialogs {
    TBestPlayers bestPlayers;
    TStatistics statistics;
    TAboutBox1 aboutBox1;
    TResult result;
    TCongratulations congratulations;
    TTopScore topScore;

    Dialogs(platform::Platform &platform, TMainForm &board)
        : bestPlayers(platform, board.Records, &board), statistics(platform, board.Stats, &board),
          aboutBox1(platform, &board), result(platform, board.Game, board.Records, &board),
          congratulations(platform, board.Game, bestPlayers, &board),
          topScore(platform, board.Game, bestPlayers, &board)
    {
        result.showTopScore = [this, &platform] { platform.messages.exec(topScore); };
        result.showCongratulations = [this, &platform] { platform.messages.exec(congratulations); };
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    platform::setUpLanguage(QStringLiteral("Pegora"));
    QApplication::setApplicationName(QStringLiteral("Pegora"));
    QApplication::setDesktopFileName(QStringLiteral("org.pekuca.Pegora"));
    // A copy already running comes to the front instead; this one ends
    // before it reads or writes anything.
    platform::SingleCopy copy(QStringLiteral("Pegora"));
    if (copy.otherCopyCameForward())
        return 0;
    platform::Desktop desktop;
    platform::Platform &platform = desktop.platform();
    platform.help.setHelpFile(QStringLiteral("Pegora2help.hlp"));

    // The board first: it reads the settings file.
    TMainForm mainForm(platform);

    // The dialogs are made when a command first needs one, not at start.
    std::unique_ptr<Dialogs> dialogs;
    const auto made = [&]() -> Dialogs & {
        if (!dialogs)
            dialogs = std::make_unique<Dialogs>(platform, mainForm);
        return *dialogs;
    };
    mainForm.dialogs.showResult = [&] { platform.messages.exec(made().result); };
    mainForm.dialogs.showStatistics = [&] { platform.messages.exec(made().statistics); };
    mainForm.dialogs.clearBestMarks = [&] { made().bestPlayers.ClearRowMarks(); };
    mainForm.dialogs.showBestPlayers = [&] { platform.messages.exec(made().bestPlayers); };
    mainForm.dialogs.showAbout = [&] { platform.messages.exec(made().aboutBox1); };

    QApplication::setWindowIcon(QIcon(platform::resources::picture(QString::fromLatin1(codebreaking::art::MainIcon))));
    copy.setWindow(&mainForm);
    mainForm.show();
    return app.exec();
}
