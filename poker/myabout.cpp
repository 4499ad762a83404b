#include "poker/myabout.h"

#include "assets/cartova/abouticon.h"
#include "controls/devicepixels.h"
#include "platform/platform.h"
#include "platform/resources.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace poker {

TImage::TImage(QWidget *parent) : Clickable(parent) { setAlignment(Qt::AlignCenter); }

void TImage::setPicture(const QString &name)
{
    m_picture = name;
    setPixmap(platform::resources::picture(name));
}

bool TImage::event(QEvent *event)
{
    if (event->type() == QEvent::Polish)
        devicepixels::keepDesignedSize(this);
    return QLabel::event(event);
}

void TImage::paintEvent(QPaintEvent *event)
{
    if (m_picture.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    const QSize designed = devicepixels::designedSize(this);
    const QSizeF shown = pixmap().deviceIndependentSize();
    const QSize size(qRound(shown.width() * width() / designed.width()),
                     qRound(shown.height() * height() / designed.height()));
    const QRect place = QStyle::alignedRect(layoutDirection(), alignment(), size, contentsRect());
    p.drawPixmap(place.topLeft(), platform::resources::picture(m_picture, devicepixels::ratioOf(p), size));
}

TAboutBox1::TAboutBox1(platform::Platform &platform, std::function<void()> playCards, QWidget *parent)
    : TAboutBox(platform, parent), m_playCards(std::move(playCards))
{
    setObjectName(QStringLiteral("AboutBox1"));
    describeGame(QStringLiteral("Cartova"), 119, tr("Version 1.1"), tr("Last modify: 11-8-98"), 95);

    Image1 = new TImage(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(5, 5, 56, 51);
    const QString spoken = tr("Cartova icon, click to hear the cards");
    Image1->setAccessibleName(spoken);
    Panel1->setAccessibleName(spoken);
    connect(Image1, &TImage::Click, this, &TAboutBox1::Image1Click);
    // With the keyboard on the frame, Space is the click on the icon.
    connect(Panel1, &TAboutPanel::keyActivated, this, &TAboutBox1::Image1Click);
}

void TAboutBox1::Image1Click()
{
    if (m_playCards)
        m_playCards();
}

void TAboutBox1::showEvent(QShowEvent *event)
{
    // The icon is drawn the first time the box is opened, not at start-up.
    if (Image1->pixmap().isNull()) {
        cartova_assets::registerAboutIcon();
        Image1->setPicture(QString::fromLatin1(cartova_assets::AboutIcon));
    }
    TAboutBox::showEvent(event);
}

} // namespace poker
