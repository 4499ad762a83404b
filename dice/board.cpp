#include "dice/mainform.h"

#include "assets/kubolo/kuboloart.h"
#include "controls/formkit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>

using formkit::rightAlignedLabel;
using formkit::setTextColor;

// The board as the window shows it: the dice, the Roll row and the score
// sheet where the form has them, each drawn from the turn.
namespace kubolo {

namespace {

constexpr int LabelHeight = 16;
constexpr int NameWidth = 120;
constexpr int ScoreWidth = 48;

QFont formFont(int pixels, bool underline = false)
{
    QFont f = formkit::font(pixels, true);
    f.setUnderline(underline);
    return f;
}

QLabel *rightAligned(QWidget *parent, int right, int top, int width = ScoreWidth)
{
    return rightAlignedLabel(parent, right, top, width, LabelHeight);
}

QLabel *plainLabel(QWidget *parent, const QString &text, int left, int top)
{
    auto *l = new QLabel(text, parent);
    l->move(left, top);
    l->resize(l->sizeHint().width(), LabelHeight);
    return l;
}

QFrame *lowered(QWidget *parent, int left, int top, int width, int height)
{
    auto *f = new QFrame(parent);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    f->setGeometry(left, top, width, height);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

// A category's name reads as a button: its press chooses the category, as a
// click does.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel *label) : QAccessibleWidget(label, QAccessible::Button) {}
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<ClickLabel *>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *clickLabelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()) && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : Clickable(text, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(clickLabelAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::click()
{
    if (isEnabled())
        emit clicked();
}

// A label that takes the keyboard lays its text out as an editable
// document, for selection: thirteen of them were a good part of the
// window's start. A name is never selected, so it stays a plain label's
// text, laid out as any other.
bool ClickLabel::event(QEvent *event)
{
    return event->type() == QEvent::Polish ? QFrame::event(event) : QLabel::event(event);
}

void ClickLabel::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    emit focused();
}

// Space is the window's: it rolls.
void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

// The cursor of the score sheet: a frame round the name, drawn in logical
// pixels so it keeps its weight at any scale, whatever the style does with
// focus.
void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // One pixel of the form's own wide, at any zoom.
    const qreal pen = std::max<qreal>(1, std::round(TGameWindow::zoomOf(this)));
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight).darker(140), pen));
    p.setBrush(Qt::NoBrush);
    const int textWidth = fontMetrics().horizontalAdvance(text());
    p.drawRect(QRectF(pen / 2, pen / 2, qMin<qreal>(width(), textWidth + 4 * pen) - pen, height() - pen));
}

void FormBackground::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        emit doubleClicked();
    event->accept();
}

void TMainForm::buildControls()
{
    auto *client = new FormBackground(this);
    client->setObjectName(QStringLiteral("board"));
    client->resize(326, 284);
    connect(client, &FormBackground::doubleClicked, this, &TMainForm::Nuova1Click);

    Bevel5 = new QFrame(client);
    Bevel5->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel5->setGeometry(0, 0, 326, 2);
    Bevel1 = lowered(client, 5, 10, 316, 71);
    Bevel2 = lowered(client, 5, 87, 211, 34);
    Bevel3 = lowered(client, 5, 126, 133, 113);
    Bevel4 = lowered(client, 168, 126, 153, 129);

    // Dice and hold boxes, then the Roll row: the keyboard order of the form.
    const int dieLefts[5] = {21, 83, 146, 211, 272};
    const int boxLefts[5] = {31, 93, 156, 221, 282};
    for (int i = 0; i < 5; ++i) {
        auto *d = new TDice(client);
        d->move(dieLefts[i], 20);
        d->setSpokenName(tr("Die %1").arg(i + 1));
        m_dice[i] = d;
    }
    for (int i = 0; i < 5; ++i) {
        auto *cb = new QCheckBox(client);
        cb->setGeometry(boxLefts[i], 54, i == 1 ? 19 : 17, 17);
        cb->setAccessibleName(tr("Hold die %1").arg(i + 1));
        connect(cb, &QCheckBox::clicked, this, [this, i] { holdBoxClick(i); });
        m_holds[i] = cb;
    }
    dado1 = m_dice[0], dado2 = m_dice[1], dado3 = m_dice[2], dado4 = m_dice[3], dado5 = m_dice[4];
    cb1 = m_holds[0], cb2 = m_holds[1], cb3 = m_holds[2], cb4 = m_holds[3], cb5 = m_holds[4];
    connect(dado1, &TDice::Click, this, &TMainForm::dado1Click);
    connect(dado2, &TDice::Click, this, &TMainForm::dado2Click);
    connect(dado3, &TDice::Click, this, &TMainForm::dado3Click);
    connect(dado4, &TDice::Click, this, &TMainForm::dado4Click);
    connect(dado5, &TDice::Click, this, &TMainForm::dado5Click);

    progressBar1 = new QProgressBar(client);
    progressBar1->setGeometry(15, 96, 133, 16);
    progressBar1->setTextVisible(false);
    progressBar1->setRange(0, 13);
    progressBar1->setAccessibleName(tr("Categories filled"));

    RollNum = new QLabel(tr("Roll n: 0"), client);
    RollNum->setFont(formFont(11));
    RollNum->setGeometry(157, 98, 58, 14);

    Roll = new QPushButton(tr("Roll"), client);
    Roll->setFont(formFont(11));
    Roll->setGeometry(225, 91, 91, 26);
    setTextColor(Roll, clBlack);
    connect(Roll, &QPushButton::clicked, this, &TMainForm::rollClick);

    // Score labels first, so the name labels lie over them and a click
    // anywhere along a row picks its category.
    for (int i = 0; i < CategoryCount; ++i) {
        const bool left = isLeftSide(categoryAt(i));
        const int top = 134 + 16 * (left ? i : i - LeftSideCount);
        QLabel *score = rightAligned(client, left ? 131 : 316, top);
        setTextColor(score, clTeal);
        m_scores[i] = score;
    }
    for (int i = 0; i < CategoryCount; ++i) {
        const Category c = categoryAt(i);
        const bool left = isLeftSide(c);
        const int top = 134 + 16 * (left ? i : i - LeftSideCount);
        auto *name = new ClickLabel(captionText(c), client);
        name->setGeometry(left ? 11 : 175, top, NameWidth, LabelHeight);
        setTextColor(name, c == Category::FiveOfAKind ? clMaroon : clBlack);
        connect(name, &ClickLabel::clicked, this, [this, name] { xAssiClick(name); });
        connect(name, &ClickLabel::focused, this, [this, i] { m_cursor = i; });
        m_names[i] = name;
    }
    LAssi = m_scores[0], Ldue = m_scores[1], Ltre = m_scores[2], Lquattro = m_scores[3];
    Lcinque = m_scores[4], Lsei = m_scores[5], Ltipo3 = m_scores[6], Ltipo4 = m_scores[7];
    LFull = m_scores[8], LScalaMin = m_scores[9], LScalaMax = m_scores[10], LKubolo = m_scores[11];
    LChance = m_scores[12];
    xAssi = m_names[0], xDue = m_names[1], xTre = m_names[2], xQuattro = m_names[3];
    xCinque = m_names[4], xSei = m_names[5], xtipo3 = m_names[6], xtipo4 = m_names[7];
    xfull = m_names[8], xScalaMin = m_names[9], xScalaMax = m_names[10], xKubolo = m_names[11];
    xChance = m_names[12];

    const QFont totals = formFont(13, true);
    Label15 = plainLabel(client, tr("Total"), 11, 246);
    LsubTotale = rightAligned(client, 132, 246);
    Label17 = plainLabel(client, tr("Bonus"), 11, 262);
    Label17->setFixedWidth(NameWidth);
    LBonus = rightAligned(client, 132, 262, 30);
    Label16 = plainLabel(client, tr("Game Total"), 175, 262);
    LpuntiTotali = rightAligned(client, 316, 262);
    for (QLabel *l : {Label15, LsubTotale, Label17, LBonus, Label16, LpuntiTotali})
        l->setFont(totals);
    Label15->resize(Label15->sizeHint().width(), LabelHeight);
    Label16->resize(Label16->sizeHint().width(), LabelHeight);
    for (QLabel *l : {Label15, LsubTotale, Label16, LpuntiTotali})
        setTextColor(l, clNavy);
    for (QLabel *l : {Label17, LBonus})
        setTextColor(l, clTeal);

    // Tab goes down the window: the hold boxes, Roll, the left column, the
    // right column.
    QList<QWidget *> order(m_holds.begin(), m_holds.end());
    order << Roll;
    order.append(QList<QWidget *>(m_names.begin(), m_names.end()));
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_surface = client;
    // Two lines: a hint naming a long category runs past one.
    setBoard(client, 2 * fontMetrics().height() + 4);
    setButtonPicture(Roll, art::RollPicture, QSize(20, 20));
    // The keyboard starts on the score sheet: the first roll hands it to the
    // cursor.
    client->setFocus(Qt::OtherFocusReason);
}

int TMainForm::categoryCursor() const
{
    for (int i = 0; i < CategoryCount; ++i)
        if (focusWidget() == m_names[i])
            return i;
    return -1;
}

int TMainForm::openCategory(int from, int step) const
{
    for (int n = 0; n < CategoryCount; ++n) {
        const int i = ((from + n * step) % CategoryCount + CategoryCount) % CategoryCount;
        if (!sheet().Filled(categoryAt(i)))
            return i;
    }
    return -1;
}

void TMainForm::showTurn(TurnChange change)
{
    const ScoreSheet &sheet = m_session.turn.sheet();
    if (!m_session.turn.rolling()) {
        for (int i = 0; i < 5; ++i) {
            TDice *d = m_dice[i];
            if (d->DiceColor() != clWhite)
                d->SetDiceColor(clWhite);
            if (d->Value() != m_session.turn.faces()[i])
                d->SetValue(m_session.turn.faces()[i]);
        }
    }
    // The controls keep their look while the dice tumble; the turn ignores
    // what they ask meanwhile.
    const int roll = sheet.RollNumber();
    for (int i = 0; i < 5; ++i) {
        m_holds[i]->setEnabled(!sheet.IsOver() && (roll == 1 || roll == 2));
        m_holds[i]->setChecked(m_session.turn.held(i));
        m_dice[i]->setHeld(m_session.turn.held(i));
    }
    Roll->setEnabled(!sheet.IsOver() && roll < 3);
    RollNum->setText(tr("Roll n: %1").arg(roll));
    progressBar1->setValue(sheet.TurnNumber() - 1);

    ShowProvisionalScores();
    // The keyboard stays on the score sheet from turn to turn: while the
    // names are greyed it waits on the window's surface, and the next roll
    // hands it back to the cursor.
    QWidget *surface = m_surface;
    if (roll == 0 && categoryCursor() >= 0)
        surface->setFocus(Qt::OtherFocusReason);
    if (change == TurnChange::NewGame)
        m_cursor = 0;
    for (int i = 0; i < CategoryCount; ++i) {
        const Category c = categoryAt(i);
        ClickLabel *name = m_names[i];
        name->setEnabled(roll > 0);
        const bool filled = sheet.Filled(c);
        if (name->font().strikeOut() != filled) {
            QFont f = name->font();
            f.setBold(true);
            f.setStrikeOut(filled);
            name->setFont(f);
        }
        const QCursor &cursor = filled ? m_forbidden : m_hand;
        if (name->cursor().shape() != cursor.shape())
            name->setCursor(cursor);
        updateCategoryName(c);
    }
    // Before the first choice of a game the title is plain "Bonus".
    Label17->setText(sheet.TurnNumber() == 1 ? tr("Bonus") : sheet.BonusCaption());
    LsubTotale->setText(QString::number(sheet.UpperTotal()));
    LBonus->setText(QString::number(sheet.Bonus()));
    LpuntiTotali->setText(QString::number(sheet.GameTotal()));
    LsubTotale->setAccessibleName(tr("Left-side total: %1").arg(LsubTotale->text()));
    LBonus->setAccessibleName(tr("Bonus points: %1").arg(LBonus->text()));
    LpuntiTotali->setAccessibleName(tr("Game total: %1").arg(LpuntiTotali->text()));
    if (roll > 0 && focusWidget() == surface) {
        const int cursor = openCategory(m_cursor, 1);
        if (cursor >= 0)
            m_names[cursor]->setFocus(Qt::OtherFocusReason);
    }
}

// A filled category shows its recorded score in black; an open one the
// provisional score of the latest roll in teal, or nothing before the first
// roll of the game.
void TMainForm::ShowProvisionalScores()
{
    const ScoreSheet &sheet = m_session.turn.sheet();
    for (int i = 0; i < CategoryCount; ++i) {
        const Category c = categoryAt(i);
        QLabel *score = m_scores[i];
        const bool filled = sheet.Filled(c);
        const QString text = filled || m_session.turn.anyRoll() ? QString::number(sheet.Score(c)) : QString();
        if (score->text() != text)
            score->setText(text);
        setTextColor(score, filled ? clBlack : clTeal);
    }
}

void TMainForm::updateCategoryName(Category c)
{
    const QString score = m_scores[index(c)]->text();
    // The category's name (%1 below), its score, then whether it is filled.
    QString name = score.isEmpty() ? tr("%1, no score yet").arg(captionText(c))
                                   : tr("%1, %n points", nullptr, score.toInt()).arg(captionText(c));
    name = m_session.turn.sheet().Filled(c) ? tr("%1, filled").arg(name) : tr("%1, open").arg(name);
    m_names[index(c)]->setAccessibleName(name);
}

} // namespace kubolo
