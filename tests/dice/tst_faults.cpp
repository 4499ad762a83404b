#include "dice/mainform.h"
#include "dice/records.h"
#include "dice/stats.h"
#include "tests/support/contrastsuite.h"
#include "tests/support/faultsuite.h"
#include "tests/support/languagesuite.h"
#include "tests/support/testregistry.h"
#include "tests/support/windowsuite.h"

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <QPushButton>

namespace {

// The main window as the program makes it, on the settings as they are.
std::unique_ptr<QWidget> startGame(platform::testing::FakePlatform &fake)
{
    auto form = std::make_unique<kubolo::TMainForm>(fake.platform);
    form->dialogs();
    return form;
}

} // namespace

// Kubolo started on every kind of damaged settings file, a full disk and
// a read-only file or folder.
class KuboloFaults : public FaultSuite {
    Q_OBJECT
    QString fileName() const override { return QStringLiteral("KUBOLO.INI"); }
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
    void changeAnOption(QWidget &window) override
    {
        QAction *sound = static_cast<kubolo::TMainForm &>(window).Suono1;
        sound->trigger();
    }
};

GAMES_TEST(KuboloFaults);

// Kubolo's window maximised and restored, and one of its dialogs.
class KuboloWindow : public WindowSuite {
    Q_OBJECT
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
    QWidget *knownControl(QWidget &window) override { return static_cast<kubolo::TMainForm &>(window).Roll; }
    std::unique_ptr<QDialog> dialog(platform::testing::FakePlatform &fake, QWidget &window) override
    {
        auto &form = static_cast<kubolo::TMainForm &>(window);
        return std::make_unique<kubolo::TStatistics>(fake.platform, form.records(), &window);
    }
};

GAMES_TEST(KuboloWindow);

// Kubolo's texts in a dark and a light scheme; the window makes its dialogs.
class KuboloContrast : public ContrastSuite {
    Q_OBJECT
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
};

GAMES_TEST(KuboloContrast);

// Kubolo through its translations; the window makes its dialogs itself.
class KuboloLanguage : public LanguageSuite {
    Q_OBJECT
    QString game() const override { return QStringLiteral("kubolo"); }
    QString fileName() const override { return QStringLiteral("KUBOLO.INI"); }
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override { return startGame(fake); }
    void makeDialogs(platform::testing::FakePlatform &, QWidget &) override {}
    QStringList keptTexts() const override
    {
        QStringList kept{platform::best::defaultWordsOfWisdom()};
        for (const auto &row : kubolo::defaultBestPlayers())
            kept << row.name;
        return kept;
    }
    // The hints' longest forms, with a wide total.
    QStringList widestStatusTexts() const override
    {
        const QString total = QLocale().toString(888.8, 'f', 1);
        QStringList texts{QCoreApplication::translate("kubolo::Session", "Hold %1: expect %2 in the end.")
                              .arg(QStringLiteral("6 6 6 6"), total)};
        for (int c = 0; c < kubolo::CategoryCount; ++c)
            texts << QCoreApplication::translate("kubolo::Session", "Choose %1: expect %2 in the end.")
                         .arg(kubolo::captionText(kubolo::categoryAt(c)), total);
        return texts;
    }
};

GAMES_TEST(KuboloLanguage);
#include "tst_faults.moc"
