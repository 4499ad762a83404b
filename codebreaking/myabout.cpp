#include "codebreaking/myabout.h"

#include "assets/common/commonart.h"
#include "codebreaking/welcome.h"
#include "controls/anim.h"

#include <QLabel>
#include <QTimer>

namespace codebreaking {

TAboutBox1::TAboutBox1(platform::Platform &platform, QWidget *parent) : TAboutBox(platform, parent)
{
    setObjectName(QStringLiteral("AboutBox1"));
    describeGame(QStringLiteral("Pegora"), 99, tr("Version 2.3"), tr("Last modify: 3-7-96"));

    Animated1 = pegDrop(Panel1, QPoint(17, 14), tr("A peg dropping into its hole"));
    Panel1->setAccessibleName(tr("A peg dropping into its hole"));
    Animated1->SetTimerRunning(false);
}

void TAboutBox1::showEvent(QShowEvent *event)
{
    // The strip is drawn the first time the box is opened, not at start-up.
    if (Animated1->BitMap().isNull()) {
        controls::art::registerPictures();
        Animated1->SetPicture(QString::fromLatin1(controls::art::PegDropStrip));
    }
    TAboutBox::showEvent(event);
    Animated1->SetTimerRunning(true);
}

void TAboutBox1::hideEvent(QHideEvent *event)
{
    TAboutBox::hideEvent(event);
    Animated1->SetTimerRunning(false);
}

} // namespace codebreaking
