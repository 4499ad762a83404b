#include "poker/mainform.h"
#include "tests/support/faultsuite.h"
#include "tests/support/testregistry.h"

#include <QAction>

// Cartova started on every kind of damaged settings file, a full disk and
// a read-only file or folder.
class CartovaFaults : public FaultSuite {
    Q_OBJECT
    QString fileName() const override { return QStringLiteral("cartova.ini"); }
    std::unique_ptr<QWidget> start(platform::testing::FakePlatform &fake) override
    {
        auto form = std::make_unique<poker::TMainForm>(fake.platform);
        form->setDealPause(0);
        return form;
    }
    void changeAnOption(QWidget &window) override
    {
        QAction *sound = static_cast<poker::TMainForm &>(window).Sound1;
        sound->setChecked(!sound->isChecked());
    }
};

GAMES_TEST(CartovaFaults);
#include "tst_faults.moc"
