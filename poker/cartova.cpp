#include "platform/firstshown.h"
#include "platform/platform.h"
#include "platform/singlecopy.h"
#include "poker/mainform.h"
#include "poker/myabout.h"
#include "poker/payoffs.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
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
    // The About box and the payoffs, once each and kept by the window: made
    // as soon as the window is on the screen, since nothing can ask for them
    // before and the first sight of the table should not wait for them. The
    // hint's sums wait for the first hint.
    platform::whenFirstShown(form, [&form, &desktop] {
        form.setAboutBox(new poker::TAboutBox1(desktop.platform(), [&form] { form.PlayCards(); }, &form));
        form.setPayoffsForm(new poker::TPayoffsForm(&form));
    });
    app.setWindowIcon(QIcon(platform::resources::picture(QStringLiteral("MAINICON"))));
    copy.setWindow(&form);
    form.show();
    return app.exec();
}
