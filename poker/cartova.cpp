#include "platform/platform.h"
#include "poker/mainform.h"
#include "poker/myabout.h"
#include "poker/payoffs.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cartova"));
    platform::Desktop desktop;
    poker::TMainForm form(desktop.platform());
    poker::TAboutBox1 about(desktop.platform(), form.Sound1, &form);
    form.setAboutBox(&about);
    poker::TPayoffsForm payoffs(&form);
    form.setPayoffsForm(&payoffs);
    app.setWindowIcon(QIcon(platform::resources::picture(QStringLiteral("MAINICON"))));
    form.show();
    return app.exec();
}
