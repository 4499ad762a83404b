#include "codebreaking/advisor.h"
#include "codebreaking/bp.h"
#include "codebreaking/records.h"
#include "codebreaking/congrats.h"
#include "codebreaking/mainform.h"
#include "codebreaking/myabout.h"
#include "codebreaking/res.h"
#include "codebreaking/stat.h"
#include "codebreaking/top.h"
#include "codebreaking/welcome.h"
#include "tests/support/contrastsuite.h"
#include "tests/support/faultsuite.h"
#include "tests/support/languagesuite.h"
#include "tests/support/testregistry.h"
#include "tests/support/windowsuite.h"

#include <QAction>
#include <QCoreApplication>

namespace {

// The main window as the program makes it, on the settings as they are.
std::unique_ptr<QWidget> startGame(platform::testing::FakePlatform &fake)
{
    auto form = std::make_unique<codebreaking::TMainForm>(fake.platform);
    return form;
}

// Every dialog the program makes, as children of the window.
void makeDialogs(platform::testing::FakePlatform &fake, QWidget &window)
{
    using namespace codebreaking;
    auto &form = static_cast<TMainForm &>(window);
    form.dialogs();
    static bool welcome = true;
    new TWelcomeBox(fake.platform, welcome, &form);
}

} // namespace

// Pegora started on every kind of damaged settings file, a full disk and
// a read-only file or folder.
class PegoraFaults : public FaultSuite {
    Q_OBJECT
    QString fileName() const override { return QStringLiteral("Pegora.INI"); }
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
    void changeAnOption(QWidget &window) override
    {
        QAction *sound = static_cast<codebreaking::TMainForm &>(window).Sound1;
        sound->trigger();
    }
};

GAMES_TEST(PegoraFaults);

// Pegora's window maximised and restored, and one of its dialogs.
class PegoraWindow : public WindowSuite {
    Q_OBJECT
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
    QWidget *knownControl(QWidget &window) override { return static_cast<codebreaking::TMainForm &>(window).hole(1, 1); }
    std::unique_ptr<QDialog> dialog(platform::testing::FakePlatform &fake, QWidget &window) override
    {
        auto &form = static_cast<codebreaking::TMainForm &>(window);
        return std::make_unique<codebreaking::TStatistics>(fake.platform, form.Stats, &window);
    }
};

GAMES_TEST(PegoraWindow);

// Pegora's texts in a dark and a light scheme, with every dialog the program makes.
class PegoraContrast : public ContrastSuite {
    Q_OBJECT
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
    void makeDialogs(platform::testing::FakePlatform &fake, QWidget &window) override { ::makeDialogs(fake, window); }
};

GAMES_TEST(PegoraContrast);

// Pegora through its translations.
class PegoraLanguage : public LanguageSuite {
    Q_OBJECT
    QString game() const override { return QStringLiteral("pegora"); }
    QString fileName() const override { return QStringLiteral("Pegora.INI"); }
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
    void makeDialogs(platform::testing::FakePlatform &fake, QWidget &window) override { ::makeDialogs(fake, window); }
    QStringList keptTexts() const override
    {
        QStringList kept{platform::best::defaultWordsOfWisdom()};
        for (const auto &row : codebreaking::defaultBestTable())
            kept << row.name;
        return kept;
    }
    // The hints' longest forms: four pegs of one colour with every code
    // still open, and with the guess no longer one of them.
    QStringList widestStatusTexts() const override
    {
        const std::vector<codebreaking::Code> every = codebreaking::allCodes(4, false);
        QStringList texts;
        for (int c = 1; c <= 8; ++c) {
            const auto peg = codebreaking::PegColor(c);
            codebreaking::GuessAdvice advice;
            advice.guess = {peg, peg, peg, peg};
            advice.possible = every;
            texts << codebreaking::hintText(advice, 4);
            std::erase(advice.possible, advice.guess);
            texts << codebreaking::hintText(advice, 4);
        }
        return texts;
    }
};

GAMES_TEST(PegoraLanguage);
#include "tst_faults.moc"
