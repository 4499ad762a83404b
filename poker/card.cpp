#include "poker/card.h"

#include "controls/devicepixels.h"
#include "platform/random.h"
#include "platform/recentsizes.h"
#include "platform/resources.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPainter>

#include <vector>

namespace poker {

QString backPictureName(TDecks deck)
{
    static const char *const names[] = {"STD1",    "STD2",  "FISHES1", "FISHES2", "BEACH",  "LEAVES1",
                                        "LEAVES2", "ROBOT", "ROSES",   "SHELL",   "CASTLE", "HAND"};
    const int i = int(deck);
    return QLatin1String(names[i >= 0 && i < 12 ? i : 0]);
}

QString facePictureName(TCardSuit suit, TCardValue value)
{
    static const char letters[] = {'S', 'D', 'C', 'H'};
    return QLatin1Char(letters[int(suit) & 3]) + QString::number(clampValue(value));
}

QString cardName(TCardSuit suit, TCardValue value)
{
    static const char *const suits[] = {QT_TRANSLATE_NOOP("poker::card", "Spades"),
                                        QT_TRANSLATE_NOOP("poker::card", "Diamonds"),
                                        QT_TRANSLATE_NOOP("poker::card", "Clubs"),
                                        QT_TRANSLATE_NOOP("poker::card", "Hearts")};
    static const char *const courts[] = {QT_TRANSLATE_NOOP("poker::card", "Jack"),
                                         QT_TRANSLATE_NOOP("poker::card", "Queen"),
                                         QT_TRANSLATE_NOOP("poker::card", "King")};
    const auto translated = [](const char *text) { return QCoreApplication::translate("poker::card", text); };
    const int v = clampValue(value);
    const QString rank = v == 1    ? QCoreApplication::translate("poker::card", "Ace")
                         : v > 10 ? translated(courts[v - 11])
                                  : QString::number(v);
    //: A card's name: %1 its rank ("Ace", "7"), %2 its suit ("Hearts").
    return QCoreApplication::translate("poker::card", "%1 of %2").arg(rank, translated(suits[int(suit) & 3]));
}

void fillCorners(QImage &image, QColor table)
{
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const QRgb border = qRgb(0, 0, 0);
    const QRgb fill = table.rgb();
    std::vector<QPoint> stack;
    auto isBorder = [&](QRgb c) { return (c & 0xFFFFFF) == (border & 0xFFFFFF); };
    for (const QPoint start : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
        stack.clear();
        stack.push_back(start);
        while (!stack.empty()) {
            const QPoint p = stack.back();
            stack.pop_back();
            if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h)
                continue;
            QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(p.y()));
            const QRgb c = line[p.x()];
            if (isBorder(c) || c == fill)
                continue;
            line[p.x()] = fill;
            stack.push_back({p.x() + 1, p.y()});
            stack.push_back({p.x() - 1, p.y()});
            stack.push_back({p.x(), p.y() + 1});
            stack.push_back({p.x(), p.y() - 1});
        }
    }
}

namespace {

// A card to assistive technology: a picture whose name says the card, or
// face down, and whether it is kept; pressing it is a click on it.
class CardAccessible : public QAccessibleWidget {
public:
    explicit CardAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Graphic) {}

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<TCard *>(widget())->OnClick();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *cardFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("poker::TCard") && object && object->isWidgetType())
        return new CardAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

// The picture with its corners in the table colour: drawn and filled once
// for each picture, size, table colour and pixel ratio, not at every paint.
QImage cardPicture(const QString &name, QColor table, qreal ratio, QSize size)
{
    static platform::RecentSizes<QImage> filled;
    const QPixmap picture = platform::resources::picture(name, ratio, size);
    const QString key = QStringLiteral("%1/%2").arg(name).arg(table.rgb(), 0, 16);
    const qreal at = picture.devicePixelRatio();
    if (const QImage *kept = filled.find(key, size, at))
        return *kept;
    QImage image = picture.toImage();
    fillCorners(image, table);
    image.setDevicePixelRatio(picture.devicePixelRatio());
    return filled.insert(key, size, at, std::move(image));
}

} // namespace

TCard::TCard(QWidget *parent, platform::RandomSource &random) : Clickable(parent), m_random(random)
{
    static const bool factoryInstalled = (QAccessible::installFactory(cardFactory), true);
    (void)factoryInstalled;
    resize(71, 96); // as designed; a form may give it any other size
    m_random.randomize();
    setAttribute(Qt::WA_OpaquePaintEvent);
    changed();
}

void TCard::changed()
{
    nameForAccessibility();
    repaint();
}

void TCard::nameForAccessibility()
{
    setAccessibleName(m_showDeck
                          ? tr("face down")
                          //: %1 is the card's name.
                          : m_kept ? tr("%1, kept").arg(cardName(m_card.suit, m_card.value))
                                   : cardName(m_card.suit, m_card.value));
}

void TCard::SetValue(int value)
{
    m_card.value = clampValue(value);
    changed();
}

void TCard::SetSuit(TCardSuit suit)
{
    m_card.suit = suit;
    changed();
}

void TCard::SetShowDeck(bool showBack)
{
    m_showDeck = showBack;
    changed();
}

void TCard::SetDeckType(TDecks deck)
{
    m_deckType = deck;
    changed();
}

void TCard::setCard(Card card)
{
    m_card = {clampValue(card.value), card.suit};
    changed();
}

void TCard::PickRandom()
{
    m_card.PickRandom(m_random);
    changed();
}

void TCard::setKept(bool kept)
{
    if (kept == m_kept)
        return;
    m_kept = kept;
    nameForAccessibility();
}

QString TCard::pictureName() const
{
    return m_showDeck ? backPictureName(m_deckType) : facePictureName(m_card.suit, m_card.value);
}

QColor TCard::tableColour() const
{
    const QWidget *owner = parentWidget() ? parentWidget() : this;
    return owner->palette().color(QPalette::Window);
}

QImage TCard::paintedImage() const { return picture(devicePixelRatioF()); }

QImage TCard::picture(qreal ratio) const { return cardPicture(pictureName(), tableColour(), ratio, size()); }

void TCard::paintEvent(QPaintEvent *)
{
    // Drawn for the size and the pixels of the device painted on.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture(devicepixels::ratioOf(painter)));
}

} // namespace poker
