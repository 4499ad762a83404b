#pragma once

#include "controls/coach.h"
#include "controls/formscale.h"
#include "controls/hintworker.h"
#include "platform/platform.h"
#include "platform/settingsfile.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QAbstractButton;
class QAction;
class QCloseEvent;
class QDialog;
class QKeyEvent;
class QLabel;
class QMenu;
class QShowEvent;

// The main window of each game: does every job a game's window shares, once.
// It runs the window's life (the settings file opened, the game's keys read,
// the file's problems told, a game started; the file saved at the close);
// keeps the status line under the board; builds the menus, with every
// option's check mark drawn from the game by one rule; plays the game's
// sounds under its Sound option; makes the game's dialogs when the first is
// wanted and shows them, giving the keyboard back after each; presses the
// default button on Return; asks for a hint and works it out beside the
// board; centres itself and draws its buttons' pictures when first seen;
// queues what must follow the current event; and scales the whole board
// with the window, keeping its proportions, by the window's corner,
// maximised, or by Ctrl++, Ctrl+- and Ctrl+0.
class TGameWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr qreal MaxZoom = 4;

    explicit TGameWindow(platform::Platform &platform, QWidget *parent = nullptr);
    ~TGameWindow() override;

    // The board's zoom: 1 draws it in the pixels it was laid out in.
    qreal zoom() const { return m_scale.zoom(); }
    // Sizes the window for that zoom (within 1 and MaxZoom); a maximised
    // window keeps its size and fits the board in it.
    void setZoom(qreal zoom);
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // The zoom a window opens at with no zoom of its own remembered: the
    // desktop's font over the usual one, so a large desktop font gives a
    // large board.
    static qreal desktopZoom();
    // The zoom of the game window a widget is in (1 outside one).
    static qreal zoomOf(const QWidget *widget);

    QLabel *statusLine() const { return m_status; }
    // What holds now, in a few words; empty clears the line. The game's
    // words come first: the coach's line shows under them while both fit.
    void setStatus(const QString &text);
    QString status() const { return m_statusText; }
    QString coachLine() const { return m_coachText; }

    TCoach &coach() { return m_coach; }

    // The form's close: the game stops what is under way, then calls this,
    // which saves the settings file.
    virtual void FormClose();
    // The desktop ends the run (a logout, a closed terminal, Ctrl+C): it
    // ends as the close does, whatever dialog is open, which is left
    // unanswered; a save that fails is told on standard error. The program
    // then leaves its event loops with 0.
    void endRun();
    bool ended() const { return m_ending; }

    // The hint: whether one is ready to be given at once, without work.
    bool hintReady() const { return m_hintReady || !m_hint.work; }

protected:
    platform::Platform &m_platform;

    // --- the window's life ---
    // The game's keys, read from the settings file once it is open (the
    // game shows what it read) and written back at the close.
    virtual void readKeys(platform::SettingsFile &file) = 0;
    virtual void writeKeys(platform::SettingsFile &file) const = 0;
    virtual void startGame() = 0;
    // Told after the error of a save that failed: what of this run is lost.
    virtual QString whatIsLost() const { return {}; }
    // Opens the settings file, has the game read its keys, tells the file's
    // problems and starts a game.
    void startUp(const QString &settingsFileName);
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Return presses a focused button, else the default one.
    void keyPressEvent(QKeyEvent *event) override;
    void setDefaultButton(QAbstractButton *button) { m_defaultButton = button; }

    // The board, built at the form's own size: every control on it and the
    // status line (statusHeight high) scale with the window from now on.
    void setBoard(QWidget *board, int statusHeight);
    TFormScale &formScale() { return m_scale; }
    // Called after the board took a new zoom: whatever the form places
    // itself (a cursor round a control) is placed again.
    virtual void zoomChanged() {}

    // A button's picture, drawn when the window is first seen for the size
    // (the form's own) it takes at every zoom.
    void setButtonPicture(QAbstractButton *button, const QString &picture, QSize size);

    // One item of a menu, kept by the form at `action` (no handler: a
    // separator). An item with `checked` is an option: its mark always shows
    // what checked() says. A click leaves the mark to the handler's outcome,
    // so an option the handler refuses keeps its mark.
    struct MenuItem {
        MenuItem() = default; // a separator
        MenuItem(QAction **action, const char *name, const QString &caption, std::function<void()> handler,
                 QKeySequence shortcut = {})
            : action(action), name(name), caption(caption), handler(std::move(handler)), shortcut(shortcut)
        {
        }
        MenuItem(QAction **action, const char *name, const QString &caption, std::function<void()> handler,
                 std::function<bool()> checked)
            : action(action), name(name), caption(caption), handler(std::move(handler)), checked(std::move(checked))
        {
        }
        QAction **action = nullptr;
        const char *name = nullptr;
        QString caption;
        std::function<void()> handler;
        std::function<bool()> checked;
        QKeySequence shortcut;
    };
    // oneOf: the options of the menu are choices of one thing, marked as such;
    // under: the menu it opens from, or the menu bar.
    QMenu *addMenu(const QString &caption, const char *name, const std::vector<MenuItem> &items,
                   bool oneOf = false, QMenu *under = nullptr);
    // Every option's mark from what the game holds.
    void showOptions();

    // The Sound option: while `on`, sounds play. With no sound to be had,
    // `on` goes off and its mark with it; FailedSound::Disabled greys the
    // menu item too.
    void setSoundOption(bool &on, platform::FailedSound failed, QAction *item = nullptr);
    void playSound(const QString &file);

    platform::SettingsFile &settingsFile() { return m_settings; }
    // Saves the settings file with the game's keys and the zoom, kept as
    // "Zoom" in percent once it is not 100. A save that fails is told, with
    // what was lost; the window closes all the same.
    void saveSettings();

    // A dialog or a message box, modal, after which the board has the
    // keyboard again: the one way a window opens either.
    int showModal(QDialog &dialog);
    platform::MsgButton showMessage(platform::MsgIcon icon, const QString &text, int buttons);
    // Runs step once the current event is over: a question at the end of a
    // game never opens inside the move that ended it.
    void afterThisEvent(std::function<void()> step);

    // The game's dialogs, all made together, in the game's order, when the
    // first is wanted, and kept by the window for the run.
    template <class Dialogs>
    class MadeWhenWanted {
    public:
        explicit MadeWhenWanted(std::function<std::unique_ptr<Dialogs>()> make) : m_make(std::move(make)) {}
        Dialogs &operator*()
        {
            if (!m_dialogs)
                m_dialogs = m_make();
            return *m_dialogs;
        }
        Dialogs *operator->() { return &**this; }

    private:
        std::function<std::unique_ptr<Dialogs>()> m_make;
        std::unique_ptr<Dialogs> m_dialogs;
    };

    // --- the hint ---
    // What a game tells the window of its hint. The work runs beside the
    // board, which stays live, and hands back what keeps its answer; the
    // answer is given once it is there, if the game still can take it.
    struct Hint {
        // Whether a hint fits the game now; if not, `why` may say why.
        std::function<bool(QString &why)> fits;
        // A game still ranked turns to training at a hint, once the player
        // said yes to the question.
        std::function<bool()> ranked;
        std::function<void()> markTraining;
        QString working; // the status line while the work runs
        // The work for the game as it stands now, asked for on the interface
        // thread; what the work hands back keeps its answer there. A game
        // whose answer needs no work has none: its hint is given at once.
        using Work = std::function<std::function<void()>(const THintWorker::Cancelled &)>;
        std::function<Work()> work;
        std::function<void()> give;
        // The answer serves every later hint of the run.
        bool lasts = false;
    };
    void setHint(Hint hint) { m_hint = std::move(hint); }
    // Hint: asks, works and gives; the handler of each game's Hint item.
    void askForHint();
    // Starts the work now, so a later hint comes at once.
    void prepareHint();
    // The game moved on: an answer on its way is not given, and one for
    // this move only is not worked out any longer.
    void hintOutdated();

    THintWorker &hintWorker() { return m_hintWorker; }

    // --- the coach ---
    // Options > Coach and Game > Review..., for the game's menus.
    MenuItem coachOption();
    MenuItem reviewItem();
    // A decision of the player, rated beside the board; while the coach is
    // on its rating shows on the status line.
    void rateDecision(std::function<coach::Rating()> work) { m_coach.rate(std::move(work)); }
    // A new game: its decisions are reviewed from the first.
    void reviewAnew();
    // The game is over: the status line says where to see how it went.
    void pointToReview();

private:
    class Stage;
    void fitBoard();
    QSize formSizeAt(qreal zoom) const;

    Stage *m_stage = nullptr;
    QWidget *m_form = nullptr; // the board and the status line under it
    QLabel *m_status = nullptr;
    TFormScale m_scale;
    struct ButtonPicture {
        QAbstractButton *button;
        QString picture;
        QSize size;
    };
    std::vector<ButtonPicture> m_pictures;
    std::vector<std::pair<QAction *, std::function<bool()>>> m_options;
    void showPicture(const ButtonPicture &picture) const;
    void showStatus();
    QAction *m_coachItem = nullptr;
    QAction *m_reviewItem = nullptr;
    QString m_statusText;
    QString m_coachText;
    TCoach m_coach;
    bool m_seen = false;   // shown at least once
    bool m_closed = false; // saved at a close since last shown
    bool m_ending = false; // ended from outside
    QTimer m_settled;       // runs while the size still changes
    qreal m_wanted = 1;     // the zoom asked for, by keys or remembered
    qreal m_normalZoom = 1; // the zoom of the window when neither maximised nor full screen
    platform::SettingsFile m_settings;
    THintWorker m_hintWorker;
    QAbstractButton *m_defaultButton = nullptr;
    struct SoundOption {
        bool *on = nullptr;
        platform::FailedSound failed = platform::FailedSound::StaysAvailable;
        QAction *item = nullptr;
    } m_sound;
    Hint m_hint;
    bool m_hintReady = false; // an answer is kept for the hints to come
    bool m_hintAsked = false; // to be given once the work is done
};
