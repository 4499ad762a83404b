#include "controls/gamewindow.h"

#include "controls/formkit.h"
#include "controls/review.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmapCache>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

const QString Options = QStringLiteral("Options");
const QString ZoomKey = QStringLiteral("Zoom"); // in percent of the form's own size
constexpr qreal ZoomStep = 1.25;
// The desktop's usual text: 9 points at 96 dots per inch.
constexpr qreal UsualFontPixels = 12;

} // namespace

// Holds the form in the middle of the window, as large as the window lets it
// be with its proportions kept.
class TGameWindow::Stage : public QWidget {
public:
    explicit Stage(TGameWindow *window) : QWidget(window), m_window(window) {}
    QSize sizeHint() const override { return m_window->formSizeAt(m_window->m_wanted); }
    QSize minimumSizeHint() const override { return m_window->formSizeAt(1); }

protected:
    void resizeEvent(QResizeEvent *) override { m_window->fitBoard(); }

private:
    TGameWindow *m_window;
};

TGameWindow::TGameWindow(platform::Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_hintWorker(this)
{
    connect(&m_coach, &TCoach::rated, this, [this](const coach::Rating &rating) {
        if (!m_coach.on())
            return;
        m_coachText = m_coach.statusOf(rating);
        showStatus();
    });
    const auto shortcut = [this](QList<QKeySequence> keys, void (TGameWindow::*zoom)()) {
        auto *action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, zoom);
        addAction(action);
    };
    shortcut({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &TGameWindow::zoomIn);
    shortcut({QKeySequence::ZoomOut}, &TGameWindow::zoomOut);
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_0)}, &TGameWindow::zoomReset);
    m_wanted = m_normalZoom = desktopZoom();
    m_settled.setSingleShot(true);
    m_settled.setInterval(400);
    connect(&m_settled, &QTimer::timeout, this, [] {
        // The style's pictures of the sizes passed go too; those of this
        // size are drawn again at the next paint.
        QPixmapCache::clear();
        platform::returnFreeMemory();
    });
}

TGameWindow::~TGameWindow() = default;

qreal TGameWindow::desktopZoom()
{
    return std::clamp(QFontInfo(QApplication::font()).pixelSize() / UsualFontPixels, 1.0, MaxZoom);
}

qreal TGameWindow::zoomOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (auto *window = qobject_cast<const TGameWindow *>(w))
            return window->zoom();
    return 1;
}

void TGameWindow::setBoard(QWidget *board, int statusHeight)
{
    m_stage = new Stage(this);
    m_form = new QWidget(m_stage);
    m_form->setObjectName(QStringLiteral("form"));
    QWidget *focused = board->focusWidget(); // moving the board loses the focus
    board->setParent(m_form);
    board->move(0, 0);
    board->show();
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
    m_status = new QLabel(m_form);
    m_status->setObjectName(QStringLiteral("statusLine"));
    m_status->setGeometry(0, board->height(), board->width(), statusHeight);
    m_status->setContentsMargins(4, 0, 4, 0);
    m_status->setWordWrap(true);
    m_form->resize(board->width(), board->height() + statusHeight);
    m_scale.capture(m_form);
    setCentralWidget(m_stage);
}

QSize TGameWindow::formSizeAt(qreal zoom) const
{
    const QSize form = m_scale.formSize();
    return {int(std::lround(form.width() * zoom)), int(std::lround(form.height() * zoom))};
}

void TGameWindow::fitBoard()
{
    if (!m_form)
        return;
    const QSize form = m_scale.formSize(), room = m_stage->size();
    const qreal fit = m_scale.fitting(room);
    // A window sized for the zoom asked for is that zoom, whatever the
    // rounding of its pixels.
    const bool asked = std::abs(fit - m_wanted) * std::max(form.width(), form.height()) <= 1;
    const qreal zoom = std::clamp(asked ? m_wanted : fit, 1.0, MaxZoom);
    if (std::abs(zoom - m_scale.zoom()) > 1e-9) {
        m_scale.apply(zoom);
        for (const ButtonPicture &picture : m_pictures)
            showPicture(picture);
        zoomChanged();
        // Once a drag has come to rest, what the sizes it passed freed goes back.
        m_settled.start();
    }
    const QSize size = formSizeAt(zoom);
    m_form->setGeometry((room.width() - size.width()) / 2, (room.height() - size.height()) / 2, size.width(),
                        size.height());
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        m_normalZoom = zoom;
}

void TGameWindow::setZoom(qreal zoom)
{
    m_wanted = std::clamp(zoom, 1.0, MaxZoom);
    if (!isVisible())
        m_normalZoom = m_wanted;
    if (!m_stage)
        return;
    m_stage->updateGeometry();
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (isVisible())
        resize(size() + formSizeAt(m_wanted) - m_stage->size());
    else
        resize(sizeHint().expandedTo(minimumSizeHint()));
}

void TGameWindow::zoomIn() { setZoom(zoom() * ZoomStep); }
void TGameWindow::zoomOut() { setZoom(zoom() / ZoomStep); }
void TGameWindow::zoomReset() { setZoom(1); }

void TGameWindow::setButtonPicture(QAbstractButton *button, const QString &picture, QSize size)
{
    m_pictures.push_back({button, picture, size});
    showPicture(m_pictures.back());
}

void TGameWindow::showPicture(const ButtonPicture &p) const
{
    if (!m_seen)
        return;
    const QSize size(m_scale.scaled(p.size.width()), m_scale.scaled(p.size.height()));
    p.button->setIcon(QIcon(platform::resources::picture(p.picture, 0, size)));
    p.button->setIconSize(size);
}

void TGameWindow::setStatus(const QString &text)
{
    m_statusText = text;
    showStatus();
}

void TGameWindow::showStatus()
{
    if (!m_status)
        return;
    // When the two do not fit, the coach's line is the one left out: what
    // the game has to say is never hidden by a rating.
    QString text = m_statusText;
    if (!m_coachText.isEmpty()) {
        const QString both = text.isEmpty() ? m_coachText : text + QLatin1Char('\n') + m_coachText;
        const QRect room = m_status->contentsRect();
        const QRect needs = m_status->fontMetrics().boundingRect(QRect(0, 0, room.width(), 1 << 20),
                                                                 Qt::TextWordWrap, both);
        if (needs.height() <= room.height() || text.isEmpty())
            text = both;
    }
    m_status->setText(text);
}

QMenu *TGameWindow::addMenu(const QString &caption, const char *name, const std::vector<MenuItem> &items, bool oneOf,
                            QMenu *under)
{
    QMenu *menu = under ? under->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    QActionGroup *group = nullptr;
    if (oneOf) {
        group = new QActionGroup(menu);
        // The marks are the game's to set, one always checked.
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    }
    for (const MenuItem &item : items) {
        if (!item.handler) {
            QAction *separator = menu->addSeparator();
            if (item.action)
                *item.action = separator;
            continue;
        }
        QAction *action = menu->addAction(item.caption);
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(item.shortcut);
        if (item.action)
            *item.action = action;
        if (item.checked) {
            action->setCheckable(true);
            action->setChecked(item.checked());
            if (group)
                group->addAction(action);
            m_options.emplace_back(action, item.checked);
        }
        // A click flips a mark before anyone hears of it: the marks are drawn
        // again from the game once the handler has had its say.
        connect(action, &QAction::triggered, this, [this, handler = item.handler, option = bool(item.checked)] {
            if (option)
                showOptions();
            handler();
            if (option)
                showOptions();
        });
    }
    return menu;
}

void TGameWindow::setSoundOption(bool &on, platform::FailedSound failed, QAction *item)
{
    m_sound = {&on, failed, item};
}

void TGameWindow::playSound(const QString &file)
{
    if (!m_sound.on || !*m_sound.on)
        return;
    // A missing device may be found only once the sound has started: the
    // option goes off then, if the window is still there.
    const auto cannotPlay = [self = QPointer<TGameWindow>(this)] {
        if (!self || !*self->m_sound.on)
            return;
        *self->m_sound.on = false;
        if (self->m_sound.item && self->m_sound.failed == platform::FailedSound::Disabled)
            self->m_sound.item->setEnabled(false);
        self->showOptions();
    };
    if (!m_platform.sound.play(file, cannotPlay))
        cannotPlay();
}

void TGameWindow::showOptions()
{
    for (const auto &[action, checked] : m_options)
        action->setChecked(checked());
}

void TGameWindow::startUp(const QString &settingsFileName)
{
    m_settings = platform::SettingsFile::open(settingsFileName);
    const long long percent = m_settings.ini().ReadInteger(Options, ZoomKey, 0);
    if (percent >= 100 && percent <= MaxZoom * 100)
        setZoom(percent / 100.0);
    readKeys(m_settings);
    m_coach.readKeys(m_settings);
    showOptions();
    // A damaged value is told about; everything else read is used. The
    // board is not on the screen yet: the box stands alone.
    if (!m_settings.problems().isEmpty())
        m_platform.messages.show(isVisible() ? this : nullptr, platform::MsgIcon::Error,
                                 m_settings.problems().join(QStringLiteral("\n\n")), platform::Ok);
    startGame();
}

void TGameWindow::FormClose()
{
    hintWorker().cancel(); // an answer not yet there is not waited for
    saveSettings();
}

void TGameWindow::closeEvent(QCloseEvent *event)
{
    if (!std::exchange(m_closed, true))
        FormClose();
    event->accept();
}

void TGameWindow::endRun()
{
    if (std::exchange(m_ending, true))
        return; // a second signal while the first is handled
    if (!std::exchange(m_closed, true))
        FormClose();
    QCoreApplication::exit(0);
}

void TGameWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_closed = false;
    if (std::exchange(m_seen, true))
        return;
    // Pictures are drawn when the board is first seen, not before.
    for (const ButtonPicture &picture : m_pictures)
        showPicture(picture);
    formkit::centreOnScreen(this);
}

void TGameWindow::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    if (!plain || (key != Qt::Key_Return && key != Qt::Key_Enter)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // A held key presses once. A focused button takes Return (a button on
    // a window does not by itself), else the default button does.
    auto *focused = qobject_cast<QAbstractButton *>(focusWidget());
    if (focused && qobject_cast<QCheckBox *>(focused))
        focused = nullptr;
    QAbstractButton *pressed = focused && focused->isEnabled() ? focused : m_defaultButton;
    if (!event->isAutoRepeat() && pressed && pressed->isEnabled())
        pressed->click();
    event->accept();
}

void TGameWindow::saveSettings()
{
    writeKeys(m_settings);
    // A file without the key opens at the form's own size, so the key is
    // written once the window was another size: a file nothing changed in
    // stays as it was.
    const long percent = std::lround(m_normalZoom * 100);
    if (percent != 100 || m_settings.ini().ValueExists(Options, ZoomKey))
        m_settings.ini().WriteInteger(Options, ZoomKey, percent);
    m_coach.settle(); // the decisions made count, however soon the window goes
    m_coach.writeKeys(m_settings);
    QString error;
    // The program closes all the same; the old file is still whole. Ended
    // from outside, no one may be there to answer a box.
    if (m_settings.save(&error))
        return;
    if (m_ending)
        std::fprintf(stderr, "%s\n", qPrintable(QString(error + whatIsLost()).simplified()));
    else
        m_platform.messages.show(this, platform::MsgIcon::Error, error + whatIsLost(), platform::Ok);
}

int TGameWindow::showModal(QDialog &dialog)
{
    const int result = m_platform.messages.exec(dialog);
    // Where no window manager hands the keys back when a dialog closes, the
    // board takes them itself.
    if (isVisible())
        activateWindow();
    return result;
}

platform::MsgButton TGameWindow::showMessage(platform::MsgIcon icon, const QString &text, int buttons)
{
    const platform::MsgButton answer = m_platform.messages.show(this, icon, text, buttons);
    if (isVisible())
        activateWindow();
    return answer;
}

void TGameWindow::afterThisEvent(std::function<void()> step) { QTimer::singleShot(0, this, std::move(step)); }

// --- the hint ---

void TGameWindow::askForHint()
{
    QString why;
    if (!m_hint.fits(why)) {
        if (!why.isEmpty())
            setStatus(why);
        return;
    }
    if (m_hint.ranked && m_hint.ranked() &&
        showMessage(platform::MsgIcon::Confirmation,
                    tr("If you ask for a hint the game is considered training\r"
                       "and I won't update Best Players or Statistics.\r"
                       "Show the hint ?"),
                    platform::Yes | platform::No) != platform::Yes)
        return;
    if (m_hint.markTraining)
        m_hint.markTraining();
    if (hintReady()) {
        m_hint.give();
        m_hintReady = m_hint.lasts;
        return;
    }
    m_hintAsked = true;
    if (!m_hint.lasts)
        hintWorker().cancel(); // asked again: worked out afresh
    prepareHint();
}

void TGameWindow::prepareHint()
{
    if (hintReady() || hintWorker().busy())
        return;
    setStatus(m_hint.working);
    using Keep = std::function<void()>;
    hintWorker().start<Keep>(m_hint.work(), [this](const Keep &keep) {
        keep();
        m_hintReady = true;
        if (m_statusText == m_hint.working)
            setStatus({});
        // Given while the game is still where it was asked.
        QString why;
        if (std::exchange(m_hintAsked, false) && m_hint.fits(why))
            m_hint.give();
        m_hintReady = m_hint.lasts;
    });
}

void TGameWindow::hintOutdated()
{
    m_hintAsked = false;
    if (!m_hint.lasts) {
        hintWorker().cancel();
        m_hintReady = false;
    }
    // The working words stay while a lasting answer is still on its way.
    if (!hintWorker().busy())
        setStatus({});
}

// --- the coach ---

TGameWindow::MenuItem TGameWindow::coachOption()
{
    return {&m_coachItem, "Coach1", tr("&Coach"),
            [this] {
                m_coach.toggle();
                if (!m_coach.on()) {
                    m_coachText.clear();
                    showStatus();
                }
            },
            [this] { return m_coach.on(); }};
}

TGameWindow::MenuItem TGameWindow::reviewItem()
{
    return {&m_reviewItem, "Review1", tr("&Review..."), [this] { showModal(m_coach.review(this)); }};
}

void TGameWindow::reviewAnew()
{
    m_coach.newGame();
    m_coachText.clear();
    showStatus();
}

void TGameWindow::pointToReview()
{
    // The menu's own words, whatever the language: without the key letter,
    // marked in the word or, in Japanese and Chinese, after it ("(&G)").
    const auto plain = [](QString caption) {
        static const QRegularExpression bracketed(QStringLiteral("\\(&[^)]\\)"));
        return caption.remove(bracketed).remove(QLatin1Char('&')).remove(QStringLiteral("...")).trimmed();
    };
    QString menu;
    for (QObject *owner : m_reviewItem ? m_reviewItem->associatedObjects() : QObjectList())
        if (auto *m = qobject_cast<QMenu *>(owner))
            menu = plain(m->title());
    //: %1 is the Game menu, %2 its Review item, as the menu shows them.
    setStatus(tr("%1 > %2 shows how the game went.").arg(menu, plain(m_reviewItem ? m_reviewItem->text() : QString())));
}
