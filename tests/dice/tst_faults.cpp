#include "dice/mainform.h"
#include "tests/support/faultsuite.h"
#include "tests/support/testregistry.h"

#include <QAction>

// Kubolo started on every kind of damaged settings file, a full disk and
// a read-only file or folder.
class KuboloFaults : public FaultSuite {
    Q_OBJECT
    QString fileName() const override { return QStringLiteral("KUBOLO.INI"); }
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override
    {
        auto form = std::make_unique<kubolo::TMainForm>(fake.platform);
        form->createDialogs();
        return form;
    }
    void changeAnOption(QWidget &window) override
    {
        QAction *sound = static_cast<kubolo::TMainForm &>(window).Suono1;
        sound->setChecked(!sound->isChecked());
    }
};

GAMES_TEST(KuboloFaults);
#include "tst_faults.moc"
