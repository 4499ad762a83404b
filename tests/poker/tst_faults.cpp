#include "poker/mainform.h"
#include "poker/myabout.h"
#include "poker/payoffs.h"
#include "poker/session.h"
#include "tests/support/contrastsuite.h"
#include "tests/support/faultsuite.h"
#include "tests/support/languagesuite.h"
#include "tests/support/testregistry.h"
#include "tests/support/windowsuite.h"

#include <QAction>
#include <QToolButton>

namespace {

// The main window as the program makes it, on the settings as they are.
std::unique_ptr<QWidget> startGame(platform::testing::FakePlatform &fake)
{
    auto form = std::make_unique<poker::TMainForm>(fake.platform);
    form->setDealPause(0);
    return form;
}

// Its dialogs, which the program makes at the first need.
void makeDialogs(platform::testing::FakePlatform &, QWidget &window)
{
    auto &form = static_cast<poker::TMainForm &>(window);
    // Made as the player makes them: by their menu items.
    form.About1->trigger();
    form.Payoffs1->trigger();
}

} // namespace

// Cartova started on every kind of damaged settings file, a full disk and
// a read-only file or folder.
class CartovaFaults : public FaultSuite {
    Q_OBJECT
    QString fileName() const override { return QStringLiteral("cartova.ini"); }
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
    void changeAnOption(QWidget &window) override
    {
        QAction *sound = static_cast<poker::TMainForm &>(window).Sound1;
        sound->trigger();
    }
};

GAMES_TEST(CartovaFaults);

// Cartova's window maximised and restored, and one of its dialogs.
class CartovaWindow : public WindowSuite {
    Q_OBJECT
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
    QWidget *knownControl(QWidget &window) override { return static_cast<poker::TMainForm &>(window).DealButton; }
    std::unique_ptr<QDialog> dialog(platform::testing::FakePlatform &, QWidget &window) override
    {
        return std::make_unique<poker::TPayoffsForm>(&window);
    }
};

GAMES_TEST(CartovaWindow);

// Cartova's texts in a dark and a light scheme, with its dialogs.
class CartovaContrast : public ContrastSuite {
    Q_OBJECT
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
    void makeDialogs(platform::testing::FakePlatform &fake, QWidget &window) override { ::makeDialogs(fake, window); }
};

GAMES_TEST(CartovaContrast);

// Cartova through its translations; it keeps no names.
class CartovaLanguage : public LanguageSuite {
    Q_OBJECT
    QString game() const override { return QStringLiteral("cartova"); }
    QString fileName() const override { return QStringLiteral("cartova.ini"); }
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
    void makeDialogs(platform::testing::FakePlatform &fake, QWidget &window) override { ::makeDialogs(fake, window); }
    QStringList keptTexts() const override { return {}; }
    // The hints' longest forms: four tens kept, and the widest multiples.
    QStringList widestStatusTexts() const override
    {
        using poker::TCardSuit;
        const poker::Hand tens{{{10, TCardSuit::Spades}, {10, TCardSuit::Diamonds}, {10, TCardSuit::Clubs},
                                {10, TCardSuit::Hearts}, {13, TCardSuit::Hearts}}};
        return {poker::Session::hintText(tens, {true, true, true, true, false}, 888.88),
                poker::Session::hintText(tens, {true, true, true, true, true}, 888.88),
                poker::Session::hintText(tens, {}, 888.88)};
    }
};

GAMES_TEST(CartovaLanguage);
#include "tst_faults.moc"
