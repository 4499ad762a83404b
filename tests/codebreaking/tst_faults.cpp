#include "codebreaking/mainform.h"
#include "tests/support/faultsuite.h"
#include "tests/support/testregistry.h"

#include <QAction>

// Pegora started on every kind of damaged settings file, a full disk and
// a read-only file or folder.
class PegoraFaults : public FaultSuite {
    Q_OBJECT
    QString fileName() const override { return QStringLiteral("Pegora.INI"); }
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override
    {
        auto form = std::make_unique<codebreaking::TMainForm>(fake.platform);
        return form;
    }
    void changeAnOption(QWidget &window) override
    {
        QAction *sound = static_cast<codebreaking::TMainForm &>(window).Sound1;
        sound->setChecked(!sound->isChecked());
    }
};

GAMES_TEST(PegoraFaults);
#include "tst_faults.moc"
