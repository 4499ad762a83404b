#include "dice/mainform.h"

#include "assets/kubolo/kuboloart.h"
#include "controls/formkit.h"
#include "dice/advisor.h"
#include "dice/bp.h"
#include "dice/endg.h"
#include "dice/five.h"
#include "dice/myabout.h"
#include "dice/stats.h"
#include "dice/top.h"
#include "platform/platform.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <cmath>


using formkit::centreOnScreen;
using formkit::rightAlignedLabel;
using formkit::setTextColor;

namespace kubolo {

namespace {

const QString SoundOfFive = QStringLiteral("tada.wav");
const QString HelpContents = QStringLiteral("contents");
const QString HelpRules = QStringLiteral("rules");
const QString HelpScoring = QStringLiteral("scoring");

constexpr int LabelHeight = 16;
constexpr int NameWidth = 120;
constexpr int ScoreWidth = 48;

QFont formFont(int pixels, bool underline = false)
{
    QFont f = QApplication::font();
    f.setPixelSize(pixels);
    f.setBold(true);
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

// ---------------------------------------------------------------------------

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
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

void ClickLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    emit focused();
}

void ClickLabel::mousePressEvent(QMouseEvent *event) { m_click.press(event); }

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, *this))
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Kept here, so a quick second click never reaches the window as a
    // double click (which would start a new game).
    m_click.press(event);
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

// ---------------------------------------------------------------------------

TMainForm::TMainForm(platform::Platform &platform, QWidget *parent) : TGameWindow(platform, parent)
{
    art::registerArt();
    m_hand = platform::resources::cursor(art::HandCursor);
    m_turn.setListener([this](TurnChange change) { turnChanged(change); });
    setWindowTitle(QStringLiteral("Kubolo"));
    setFont(formFont(13));
    buildControls();
    buildMenus();
    buildKeys();
    hintLabel = statusLine();
    FormCreate();
}

TMainForm::~TMainForm() = default;

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
        d->setSpokenName(QStringLiteral("Die %1").arg(i + 1));
        m_dice[i] = d;
    }
    for (int i = 0; i < 5; ++i) {
        auto *cb = new QCheckBox(client);
        cb->setGeometry(boxLefts[i], 54, i == 1 ? 19 : 17, 17);
        cb->setAccessibleName(QStringLiteral("Hold die %1").arg(i + 1));
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
    progressBar1->setAccessibleName(QStringLiteral("Categories filled"));

    RollNum = new QLabel(QStringLiteral("Roll n: 0"), client);
    RollNum->setFont(formFont(11));
    RollNum->setGeometry(157, 98, 58, 14);

    Roll = new QPushButton(QStringLiteral("Roll"), client);
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
        auto *name = new ClickLabel(QString::fromLatin1(caption(c)), client);
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
    Label15 = plainLabel(client, QStringLiteral("Total"), 11, 246);
    LsubTotale = rightAligned(client, 132, 246);
    Label17 = plainLabel(client, QStringLiteral("Bonus"), 11, 262);
    Label17->setFixedWidth(NameWidth);
    LBonus = rightAligned(client, 132, 262, 30);
    Label16 = plainLabel(client, QStringLiteral("Game Total"), 175, 262);
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
    setBoard(client, 20);
    setButtonPicture(Roll, art::RollPicture, QSize(20, 20));
    // The keyboard starts on the score sheet: the first roll hands it to the
    // cursor.
    client->setFocus(Qt::OtherFocusReason);
}

void TMainForm::buildKeys()
{
    auto key = [this](std::initializer_list<QKeySequence> keys, bool repeat, auto action) {
        auto *shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setAutoRepeat(repeat);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    // 1 to 5 hold a die as a click on it does.
    const Qt::Key digits[5] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5};
    for (int i = 0; i < 5; ++i)
        key({QKeySequence(digits[i]), QKeySequence(Qt::KeypadModifier | digits[i])}, false,
            [this, i] { m_turn.toggleHold(i); });
    key({QKeySequence(Qt::Key_Space)}, false, &TMainForm::rollClick);
    key({QKeySequence(Qt::Key_Up)}, true, [this] { moveCursor(-1); });
    key({QKeySequence(Qt::Key_Down)}, true, [this] { moveCursor(1); });
    // A focused hold box keeps Space, to tick itself; Roll takes Return.
    for (QCheckBox *box : m_holds)
        box->installEventFilter(this);
    Roll->installEventFilter(this);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && watched != Roll &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched == Roll) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
            Roll->click();
            return true;
        }
    }
    return TGameWindow::eventFilter(watched, event);
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

void TMainForm::moveCursor(int step)
{
    // Only where a click could choose: after a roll, while the game runs.
    if (sheet().RollNumber() == 0 || sheet().IsOver())
        return;
    const int now = categoryCursor();
    const int target = now < 0 ? openCategory(m_cursor, step) : openCategory(now + step, step);
    if (target < 0)
        return;
    m_cursor = target;
    // The focus is the cursor: it draws the frame, and assistive technology
    // follows it.
    m_names[target]->setFocus(Qt::OtherFocusReason);
}

void TMainForm::buildMenus()
{
    QMenuBar *bar = menuBar();
    Partita1 = bar->addMenu(QStringLiteral("&Game"));
    Nuova1 = Partita1->addAction(QStringLiteral("&New"));
    Nuova1->setShortcut(QKeySequence(Qt::Key_F2));
    Hint1 = Partita1->addAction(QStringLiteral("&Hint"));
    Hint1->setShortcut(QKeySequence(Qt::Key_H));
    Hint1->setEnabled(false);
    Statistics1 = Partita1->addAction(QStringLiteral("&Statistics"));
    Punteggi1 = Partita1->addAction(QStringLiteral("&Best Players"));
    N1 = Partita1->addSeparator();
    Esci1 = Partita1->addAction(QStringLiteral("&Exit"));

    Opzioni1 = bar->addMenu(QStringLiteral("&Options"));
    Suono1 = Opzioni1->addAction(QStringLiteral("&Sound"));
    Roll1 = Opzioni1->addAction(QStringLiteral("&Roll"));
    for (QAction *option : {Suono1, Roll1}) {
        option->setCheckable(true);
        option->setChecked(true);
    }

    Help1 = bar->addMenu(QStringLiteral("&Help"));
    Contents1 = Help1->addAction(QStringLiteral("&Contents"));
    Rules1 = Help1->addAction(QStringLiteral("&Rules"));
    Scoring1 = Help1->addAction(QStringLiteral("&Scoring"));
    N2 = Help1->addSeparator();
    About1 = Help1->addAction(QStringLiteral("&About..."));

    connect(Nuova1, &QAction::triggered, this, &TMainForm::Nuova1Click);
    connect(Hint1, &QAction::triggered, this, &TMainForm::Hint1Click);
    connect(Statistics1, &QAction::triggered, this, &TMainForm::Statistics1Click);
    connect(Punteggi1, &QAction::triggered, this, &TMainForm::Punteggi1Click);
    connect(Esci1, &QAction::triggered, this, &TMainForm::Esci1Click);
    connect(Contents1, &QAction::triggered, this, &TMainForm::Contents1Click);
    connect(Rules1, &QAction::triggered, this, &TMainForm::Rules1Click);
    connect(Scoring1, &QAction::triggered, this, &TMainForm::Scoring1Click);
    connect(About1, &QAction::triggered, this, &TMainForm::About1Click);
    // Choosing Sound or Roll toggles the tick itself; the tick is the option.
}

// ---------------------------------------------------------------------------

void TMainForm::FormCreate()
{
    // The hand cursor, "MyCur", is registered with the art above.
    openSettings(QString::fromUtf16(SettingsFileName));
    const KuboloSettings settings = readSettings(settingsFile());
    m_records.loadedTable = settings.table;
    m_records.WordsOfWisdom = settings.wordsOfWisdom;
    m_records.stats = settings.stats;
    Suono1->setChecked(settings.sound);
    Roll1->setChecked(settings.roll);
    reportSettingsProblems();
    StartNewGame();
    centreOnScreen(this, sizeHint());
}

KuboloSettings TMainForm::currentSettings() const
{
    KuboloSettings s;
    s.table = BestPlayers ? BestPlayers->table() : m_records.loadedTable;
    s.wordsOfWisdom = m_records.WordsOfWisdom;
    s.stats = m_records.stats;
    s.sound = Suono1->isChecked();
    s.roll = Roll1->isChecked();
    return s;
}

void TMainForm::FormClose()
{
    const KuboloSettings s = currentSettings();
    saveSettings([&s](platform::SettingsFile &file) { writeKeys(file, s); },
                 QStringLiteral("\n\nThe best players, statistics and options of this run are not saved."));
}

void TMainForm::createDialogs()
{
    if (EndGame)
        return;
    const GameSound sound = [this](const QString &fileName) { PlayGameSound(fileName); };
    const ScoreSheet &sheet = m_turn.sheet();
    EndGame = new TEndGame(m_platform, sheet, m_records, sound, this);
    BestPlayers = new TBestPlayers(m_platform, m_records, this);
    TopFive = new TTopFive(m_platform, sheet, *BestPlayers, sound, this);
    AboutBox1 = new TAboutBox1(m_platform, this);
    TopScore = new TTopScore(m_platform, sheet, m_records, *BestPlayers, sound, this);
    Statistics = new TStatistics(m_platform, m_records, this);
    EndGame->TopFive = TopFive;
    EndGame->TopScore = TopScore;
    EndGame->BestPlayers = BestPlayers;
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // A roll under way is dropped: the dice it would give are not saved;
    // values still being worked out for the hints are not waited for.
    m_stepper.cancel();
    m_turn.cancelRoll();
    hintWorker().cancel();
    FormClose();
    event->accept();
}

// Every change of the turn is drawn from the turn itself.
void TMainForm::turnChanged(TurnChange change)
{
    if (change == TurnChange::Rolled && m_turn.fiveOfAKind())
        PlayGameSound(SoundOfFive);
    // A hint holds until the dice are thrown or a category is taken.
    const bool moved = change == TurnChange::RollStarted || change == TurnChange::Chosen ||
                       change == TurnChange::NewGame;
    if (moved && m_values)
        setStatus({});
    showTurn(change);
    // The end of the game is told once the choice that ended it is over.
    if (change == TurnChange::Chosen && m_turn.sheet().IsOver())
        afterThisEvent([this] { showEndGame(); });
}

void TMainForm::StartNewGame()
{
    m_turn.newGame();
    if (m_values)
        hintLabel->clear();
}

void TMainForm::showTurn(TurnChange change)
{
    const ScoreSheet &sheet = m_turn.sheet();
    if (!m_turn.rolling()) {
        for (int i = 0; i < 5; ++i) {
            TDice *d = m_dice[i];
            if (d->DiceColor() != clWhite)
                d->SetDiceColor(clWhite);
            if (d->Value() != m_turn.faces()[i])
                d->SetValue(m_turn.faces()[i]);
        }
    }
    // The controls keep their look while the dice tumble; the turn ignores
    // what they ask meanwhile.
    const int roll = sheet.RollNumber();
    for (int i = 0; i < 5; ++i) {
        m_holds[i]->setEnabled(!sheet.IsOver() && (roll == 1 || roll == 2));
        m_holds[i]->setChecked(m_turn.held(i));
        m_dice[i]->setHeld(m_turn.held(i));
    }
    Roll->setEnabled(!sheet.IsOver() && roll < 3);
    RollNum->setText(QStringLiteral("Roll n: %1").arg(roll));
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
    Label17->setText(sheet.TurnNumber() == 1 ? QStringLiteral("Bonus") : sheet.BonusCaption());
    LsubTotale->setText(QString::number(sheet.UpperTotal()));
    LBonus->setText(QString::number(sheet.Bonus()));
    LpuntiTotali->setText(QString::number(sheet.GameTotal()));
    LsubTotale->setAccessibleName(QStringLiteral("Left-side total: ") + LsubTotale->text());
    LBonus->setAccessibleName(QStringLiteral("Bonus points: ") + LBonus->text());
    LpuntiTotali->setAccessibleName(QStringLiteral("Game total: ") + LpuntiTotali->text());
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
    const ScoreSheet &sheet = m_turn.sheet();
    for (int i = 0; i < CategoryCount; ++i) {
        const Category c = categoryAt(i);
        QLabel *score = m_scores[i];
        const bool filled = sheet.Filled(c);
        const QString text = filled || m_turn.anyRoll() ? QString::number(sheet.Score(c)) : QString();
        if (score->text() != text)
            score->setText(text);
        const QColor color = toQColor(filled ? clBlack : clTeal);
        if (score->palette().color(QPalette::WindowText) != color)
            setTextColor(score, filled ? clBlack : clTeal);
    }
}

void TMainForm::updateCategoryName(Category c)
{
    const QString score = m_scores[index(c)]->text();
    QString name = QString::fromLatin1(caption(c));
    name += score.isEmpty()
                ? QStringLiteral(", no score yet")
                : QStringLiteral(", %1 %2").arg(score, score == QLatin1String("1") ? QStringLiteral("point")
                                                                                   : QStringLiteral("points"));
    name += m_turn.sheet().Filled(c) ? QStringLiteral(", filled") : QStringLiteral(", open");
    m_names[index(c)]->setAccessibleName(name);
}

// ---------------------------------------------------------------------------

void TMainForm::rollClick()
{
    // The button is disabled where the turn refuses; a stray call changes nothing.
    if (m_turn.startRoll() != Refusal::None)
        return;
    m_platform.random.randomize();
    m_thrown = m_turn.faces();
    m_stepper.start(rollSteps(), [this] { m_turn.finishRoll(m_thrown); });
}

// A die lands: its final face is thrown and shown; the turn takes it when
// the roll is over.
void TMainForm::throwDie(int i)
{
    m_thrown[i] = static_cast<DieValue>(1 + m_platform.random.below(6));
    m_dice[i]->SetValue(m_thrown[i]);
}

std::vector<Stepper::Step> TMainForm::rollSteps()
{
    std::vector<Stepper::Step> steps;
    const bool animate = Roll1->isChecked();
    if (m_turn.sheet().RollNumber() == 0) {
        // All five tumble together: silver, five passes, white, final faces.
        if (animate) {
            steps.push_back({[this] {
                                 for (TDice *d : m_dice)
                                     d->SetDiceColor(clSilver);
                             },
                             m_paceMs});
            for (int pass = 0; pass < 5; ++pass)
                steps.push_back({[this] {
                                     for (TDice *d : m_dice)
                                         d->RollFace(m_platform.random);
                                 },
                                 m_paceMs});
        }
        steps.push_back({[this, animate] {
                             if (animate)
                                 for (TDice *d : m_dice)
                                     d->SetDiceColor(clWhite);
                             for (int i = 0; i < 5; ++i)
                                 throwDie(i);
                         },
                         0});
        return steps;
    }
    // Die by die, only over the dice not held; the whole roll stays well
    // under a second however many dice tumble.
    int tumbling = 0;
    for (int i = 0; i < 5; ++i)
        tumbling += m_turn.held(i) ? 0 : 1;
    const int faceMs = tumbling == 0 ? 0 : qMin(m_paceMs / 2, 12 * m_paceMs / (15 * tumbling));
    for (int i = 0; i < 5; ++i) {
        if (m_turn.held(i))
            continue;
        TDice *d = m_dice[i];
        if (animate)
            for (int face = 0; face < 15; ++face)
                steps.push_back({[this, d, face] {
                                     if (face == 0)
                                         d->SetDiceColor(clSilver);
                                     d->RollFace(m_platform.random);
                                 },
                                 faceMs});
        steps.push_back({[this, d, i, animate] {
                             if (animate)
                                 d->SetDiceColor(clWhite);
                             throwDie(i);
                         },
                         0});
    }
    return steps;
}

void TMainForm::dado1Click() { m_turn.toggleHold(0); }
void TMainForm::dado2Click() { m_turn.toggleHold(1); }
void TMainForm::dado3Click() { m_turn.toggleHold(2); }
void TMainForm::dado4Click() { m_turn.toggleHold(3); }
void TMainForm::dado5Click() { m_turn.toggleHold(4); }

// The box has already ticked itself; a refused toggle puts it back.
void TMainForm::holdBoxClick(int i)
{
    if (m_turn.toggleHold(i) != Refusal::None)
        showTurn(TurnChange::Holds);
}

void TMainForm::xAssiClick(QObject *sender)
{
    for (int i = 0; i < CategoryCount; ++i)
        if (m_names[i] == sender)
            m_turn.choose(categoryAt(i));
}

void TMainForm::showEndGame()
{
    // Without the dialogs (a bare window) the game simply stays over.
    if (EndGame)
        showModal(*EndGame);
}

void TMainForm::PlayGameSound(const QString &fileName)
{
    // No sound for the rest of the run, and saved as off.
    platform::playWhileChecked(m_platform.sound, *Suono1, fileName, platform::FailedSound::Disabled);
}

// ---------------------------------------------------------------------------

void TMainForm::Nuova1Click() { StartNewGame(); }

// --- the hint ---

void TMainForm::prepareHints(int fewestFilled)
{
    if (m_values || hintWorker().busy())
        return;
    setStatus(QStringLiteral("Working out the hints..."));
    using Values = std::shared_ptr<const StateValues>;
    hintWorker().start<Values>(
        [fewestFilled](const THintWorker::Cancelled &cancelled) {
            return computeStateValues(0, fewestFilled, &cancelled);
        },
        [this](Values values) { valuesReady(std::move(values)); });
}

void TMainForm::valuesReady(std::shared_ptr<const StateValues> values)
{
    m_values = std::move(values);
    Hint1->setEnabled(true);
    hintLabel->clear();
}

void TMainForm::Hint1Click()
{
    const ScoreSheet &sheet = m_turn.sheet();
    if (!m_values || m_turn.rolling() || sheet.IsOver())
        return;
    if (!sheet.Hinted()) {
        const QString question = QStringLiteral("If you ask for a hint the game is considered training") +
                                 QLatin1Char('\r') + QStringLiteral("and I won't update Best Players or Statistics.") +
                                 QLatin1Char('\r') + QStringLiteral("Show the hint ?");
        if (m_platform.messages.show(this, platform::MsgIcon::Confirmation, question, platform::Yes | platform::No) !=
            platform::Yes)
            return;
        m_turn.markHinted();
    }
    giveHint();
}

void TMainForm::giveHint()
{
    const ScoreSheet &sheet = m_turn.sheet();
    auto expect = [](double total) {
        return QStringLiteral(": expect %1 in the end.").arg(QLocale().toString(total, 'f', 1));
    };
    if (sheet.RollNumber() == 0) {
        unsigned filled = 0;
        for (int i = 0; i < CategoryCount; ++i)
            filled |= sheet.Filled(categoryAt(i)) ? 1u << i : 0u;
        const int upper = qMin(int(sheet.UpperTotal()), BonusThreshold);
        hintLabel->setText(QStringLiteral("Roll") + expect(sheet.GameTotal() + m_values->value(filled, upper)));
        return;
    }
    const DiceAdvice advice = adviseMove(*m_values, positionOf(sheet));
    if (advice.roll) {
        // As the player would: a click on each die whose hold differs.
        QStringList held;
        for (int i = 0; i < 5; ++i) {
            if (m_turn.held(i) != advice.hold[i])
                m_turn.toggleHold(i);
            if (advice.hold[i])
                held << QString::number(m_turn.faces()[i]);
        }
        const QString what = held.isEmpty() ? QStringLiteral("nothing") : held.join(QLatin1Char(' '));
        hintLabel->setText(QStringLiteral("Hold ") + what + expect(advice.expectedTotal));
        return;
    }
    // The cursor goes to the category; choosing is the player's.
    const int i = index(advice.category);
    m_cursor = i;
    m_names[i]->setFocus(Qt::OtherFocusReason);
    hintLabel->setText(QStringLiteral("Choose ") + QString::fromLatin1(caption(advice.category)) +
                       expect(advice.expectedTotal));
}

void TMainForm::Statistics1Click()
{
    if (Statistics)
        showModal(*Statistics);
}

void TMainForm::Punteggi1Click()
{
    if (!BestPlayers)
        return;
    BestPlayers->ClearRowMarks();
    showModal(*BestPlayers);
}

void TMainForm::About1Click()
{
    if (AboutBox1)
        showModal(*AboutBox1);
}

void TMainForm::Esci1Click() { close(); }

// As if the item were chosen: the tick toggles, and a greyed item stays as it is.
void TMainForm::Suono1Click() { Suono1->trigger(); }
void TMainForm::Roll1Click() { Roll1->trigger(); }

void TMainForm::Contents1Click() { m_platform.help.showTopic(HelpContents); }
void TMainForm::Rules1Click() { m_platform.help.showTopic(HelpRules); }
void TMainForm::Scoring1Click() { m_platform.help.showTopic(HelpScoring); }

} // namespace kubolo
