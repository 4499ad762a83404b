#pragma once

#include "controls/formscale.h"
#include "controls/hintworker.h"
#include "platform/platform.h"
#include "platform/settingsfile.h"

#include <QKeySequence>
#include <QMainWindow>

#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QDialog;
class QLabel;
class QMenu;

// The main window of each game: does every job a game's window shares, once.
// It keeps the status line under the board; builds the menus, with every
// option's check mark drawn from the game by one rule; opens the settings
// file, tells the player of its problems and saves it at the close; gives
// the keyboard back after a modal dialog; runs the hint's background work;
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
    // What holds now, in a few words; empty clears the line.
    void setStatus(const QString &text);

protected:
    platform::Platform &m_platform;

    // The board, built at the form's own size: every control on it and the
    // status line (statusHeight high) scale with the window from now on.
    void setBoard(QWidget *board, int statusHeight);
    TFormScale &formScale() { return m_scale; }
    // Called after the board took a new zoom: whatever the form places
    // itself (a cursor round a control) is placed again.
    virtual void zoomChanged() {}

    // A button's picture, drawn for the size (the form's own) it takes at
    // every zoom.
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
    // A sound, while `on`. With no sound to be had, `on` goes off and the
    // option's mark with it; FailedSound::Disabled greys the option too.
    void playSound(bool &on, const QString &file, platform::FailedSound failed, QAction *option = nullptr);

    // The settings file, read once; its problems are told once the game
    // has added its own. The zoom is kept in it after the game's keys, as
    // "Zoom" in percent, once it is not 100.
    void openSettings(const QString &fileName);
    platform::SettingsFile &settingsFile() { return m_settings; }
    void reportSettingsProblems();
    // writeKeys writes the game's keys; then the zoom, and the file is
    // saved. A save that fails is told, with what was lost; the window
    // closes all the same.
    void saveSettings(const std::function<void(platform::SettingsFile &)> &writeKeys, const QString &whatIsLost);

    // A modal dialog, after which the board has the keyboard again.
    int showModal(QDialog &dialog);
    // Runs step once the current event is over: a question at the end of a
    // game never opens inside the move that ended it.
    void afterThisEvent(std::function<void()> step);

    THintWorker &hintWorker() { return m_hintWorker; }

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
    qreal m_wanted = 1;     // the zoom asked for, by keys or remembered
    qreal m_normalZoom = 1; // the zoom of the window when neither maximised nor full screen
    platform::SettingsFile m_settings;
    THintWorker m_hintWorker;
};
