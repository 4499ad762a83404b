#include "dice/dice.h"

#include <QCoreApplication>

#include "controls/devicepixels.h"
#include "platform/random.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace kubolo {

namespace {

enum Pip { Centre, TopLeft, BottomRight, BottomLeft, TopRight, MiddleLeft, MiddleRight };

// The face as designed, 32 x 32; it is drawn at whatever size the die is given.
constexpr QSize designedFace(32, 32);

// Bounding boxes, left, top, right, bottom with right and bottom exclusive.
constexpr int pipBox[7][4] = {
    {13, 13, 19, 19}, {5, 5, 11, 11},  {21, 21, 27, 27}, {5, 21, 11, 27},
    {21, 5, 27, 11},  {5, 13, 11, 19}, {21, 13, 27, 19},
};

struct Face {
    int count;
    Pip pips[6];
};

constexpr Face faces[7] = {
    {0, {}},
    {1, {Centre}},
    {2, {TopLeft, BottomRight}},
    {3, {Centre, TopLeft, BottomRight}},
    {4, {TopLeft, BottomRight, BottomLeft, TopRight}},
    {5, {TopLeft, BottomRight, BottomLeft, TopRight, Centre}},
    {6, {TopLeft, BottomRight, BottomLeft, TopRight, MiddleLeft, MiddleRight}},
};

// A die reads as a button named by its face and hold; its press is a click.
class DiceAccessible : public QAccessibleWidget {
public:
    explicit DiceAccessible(TDice *die) : QAccessibleWidget(die, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<TDice *>(widget())->Click();
    }
};

QAccessibleInterface *diceAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(TDice::staticMetaObject.className()) && object && object->isWidgetType())
        return new DiceAccessible(static_cast<TDice *>(object));
    return nullptr;
}

} // namespace

QString faceWord(int value)
{
    static const char *const words[7] = {
        QT_TRANSLATE_NOOP("kubolo::face", "blank"), QT_TRANSLATE_NOOP("kubolo::face", "one"),
        QT_TRANSLATE_NOOP("kubolo::face", "two"),   QT_TRANSLATE_NOOP("kubolo::face", "three"),
        QT_TRANSLATE_NOOP("kubolo::face", "four"),  QT_TRANSLATE_NOOP("kubolo::face", "five"),
        QT_TRANSLATE_NOOP("kubolo::face", "six")};
    return QCoreApplication::translate("kubolo::face", words[value < 0 || value > 6 ? 0 : value]);
}

TDice::TDice(QWidget *owner) : Clickable(owner)
{
    static const bool installed = [] {
        QAccessible::installFactory(diceAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(designedFace);
    updateAccessibleName();
}

void TDice::SetValue(int value)
{
    m_value = value < 0 ? 0 : value > 6 ? 6 : value;
    updateAccessibleName();
    repaint();
}

void TDice::SetBackColor(TColor color)
{
    m_backColor = color;
    repaint();
}

void TDice::SetDiceColor(TColor color)
{
    m_diceColor = color;
    repaint();
}

void TDice::RollFace(platform::RandomSource &random) { SetValue(1 + random.below(6)); }

void TDice::setSpokenName(const QString &name)
{
    m_spokenName = name;
    updateAccessibleName();
}

void TDice::setHeld(bool held)
{
    if (held == m_held)
        return;
    m_held = held;
    updateAccessibleName();
}

void TDice::updateAccessibleName()
{
    // The die's name (%1 below), its face, then whether it is held.
    QString text = m_spokenName.isEmpty() ? tr("Die") : m_spokenName;
    //: %2 is the face's name: "one", "two"...
    text = m_value == 0 ? tr("%1, blank").arg(text) : tr("%1, showing %2").arg(text, faceWord(m_value));
    text = m_held ? tr("%1, held").arg(text) : tr("%1, not held").arg(text);
    setAccessibleName(text);
}

void TDice::Paint(QPainter &canvas)
{
    // Drawn in the device pixels the die covers, so the outline is whole on
    // every side at any size and ratio: one designed pixel, as thick on all
    // four sides.
    const qreal ratio = devicepixels::ratioOf(canvas);
    QImage picture = devicepixels::canvas(size(), ratio);
    const devicepixels::Grid grid(designedFace, picture.size());
    const int w = picture.width(), h = picture.height();
    const int across = grid.thickX(1), down = grid.thickY(1);
    {
        QPainter p(&picture);
        // Background, then the face over it with a black outline.
        p.fillRect(0, 0, w, h, toQColor(m_backColor));
        p.fillRect(0, 0, w, h, toQColor(m_diceColor));
        p.fillRect(0, 0, w, down, Qt::black);
        p.fillRect(0, h - down, w, down, Qt::black);
        p.fillRect(0, 0, across, h, Qt::black);
        p.fillRect(w - across, 0, across, h, Qt::black);
        // Pixel for pixel at the designed size; round on any finer grid.
        p.setRenderHint(QPainter::Antialiasing, grid.scaleX() > 1 || grid.scaleY() > 1);
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(clNavy));
        const Face &face = faces[m_value];
        for (int i = 0; i < face.count; ++i) {
            const int *b = pipBox[face.pips[i]];
            p.drawEllipse(grid.rect(QRectF(b[0], b[1], b[2] - b[0], b[3] - b[1])));
        }
    }
    devicepixels::put(canvas, picture, ratio);
}

void TDice::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    Paint(canvas);
}

void TDice::mouseDoubleClickEvent(QMouseEvent *event)
{
    Clickable::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit DblClick();
}

} // namespace kubolo
