#include "codebreaking/mainform.h"
#include "codebreaking/stat.h"
#include "tests/support/faultsuite.h"
#include "tests/support/testregistry.h"
#include "tests/support/windowsuite.h"

#include <QAction>

namespace {

// The main window as the program makes it, on the settings as they are.
std::unique_ptr<QWidget> startGame(platform::testing::FakePlatform &fake)
{
    auto form = std::make_unique<codebreaking::TMainForm>(fake.platform);
    return form;
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
#include "tst_faults.moc"
