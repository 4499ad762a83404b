#include "codebreaking/myabout.h"

#include "assets/common/commonart.h"
#include "controls/anim.h"

#include <QLabel>
#include <QTimer>

namespace codebreaking {

TAboutBox1::TAboutBox1(platform::Platform &platform, QWidget *parent) : TAboutBox(platform, parent)
{
    setObjectName(QStringLiteral("AboutBox1"));
    setLabelText(Label1, QStringLiteral("Pegora"));
    setLabelWidth(Label1, 99);
    setLabelText(Label5, tr("Version 2.3"));
    setLabelText(Label8, tr("Last modify: 3-7-96"));

    Animated1 = new TAnimated(Panel1);
    Animated1->setObjectName(QStringLiteral("Animated1"));
    Animated1->setGeometry(17, 14, 32, 31);
    Animated1->setAccessibleCaption(tr("A peg dropping into its hole"));
    Animated1->SetInterval(700);
    Animated1->SetFrameCount(controls::art::PegDropFrames);
    Animated1->SetFrame(3);
    Animated1->SetPlay(true);
    Animated1->SetReverse(false);
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
