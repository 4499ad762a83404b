#include "platform/language.h"
#include "platform/platform.h"
#include "platform/singlecopy.h"
#include "poker/mainform.h"
#include "poker/myabout.h"
#include "poker/payoffs.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    platform::setUpLanguage(QStringLiteral("Cartova"));
    QApplication::setApplicationName(QStringLiteral("Cartova"));
    QApplication::setDesktopFileName(QStringLiteral("org.pekuca.Cartova"));
    // A copy already running comes to the front instead; this one ends
    // before it reads or writes anything.
    platform::SingleCopy copy(QStringLiteral("Cartova"));
    if (copy.otherCopyCameForward())
        return 0;
    platform::Desktop desktop;
    desktop.platform().help.setHelpFile(poker::TMainForm::helpFile());
    poker::TMainForm form(desktop.platform());
    // The About box and the payoffs are made when first asked for, as the
    // hint's sums are, and kept by the window.
    form.setAboutBox([&form, &desktop] {
        return new poker::TAboutBox1(desktop.platform(), [&form] { form.PlayCards(); }, &form);
    });
    form.setPayoffsForm([&form] { return new poker::TPayoffsForm(&form); });
    app.setWindowIcon(QIcon(platform::resources::picture(QStringLiteral("MAINICON"))));
    copy.setWindow(&form);
    form.show();
    return app.exec();
}
