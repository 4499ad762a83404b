#pragma once

#include "controls/clicktracker.h"
#include "controls/gamewindow.h"
#include "controls/stepper.h"
#include "controls/tcolor.h"
#include "dice/bp.h"
#include "dice/dice.h"
#include "dice/endg.h"
#include "dice/five.h"
#include "dice/myabout.h"
#include "dice/records.h"
#include "dice/scoresheet.h"
#include "dice/session.h"
#include "dice/settings.h"
#include "dice/stats.h"
#include "dice/top.h"

#include <QCursor>
#include <QLabel>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QDialog;
class QFrame;
class QMenu;
class QProgressBar;
class QPushButton;

namespace platform {
struct Platform;
}

namespace kubolo {

// A category's name on the score sheet: clicked with the mouse, with Return
// when it has the keyboard focus, or by assistive technology's press.
class ClickLabel : public Clickable<QLabel> {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);

    // A click, as the mouse gives it: nothing while the name is greyed.
    void click();

signals:
    void clicked();
    void focused();

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    // A quick second click counts, and never reaches the window as a
    // double click (which would start a new game).
    void leftClick() override { emit clicked(); }
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// The window's own surface: a double click on it, not on a control, starts a
// new game.
class FormBackground : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

// The dice game's main window: five dice with their hold boxes, the Roll
// button and the score sheet of thirteen categories.
class TMainForm : public TGameWindow {
    Q_OBJECT
public:
    explicit TMainForm(platform::Platform &platform, QWidget *parent = nullptr);
    ~TMainForm() override;

    // Controls, named as on the form.
    TDice *dado1, *dado2, *dado3, *dado4, *dado5;
    QCheckBox *cb1, *cb2, *cb3, *cb4, *cb5;
    QProgressBar *progressBar1;
    QLabel *RollNum;
    QPushButton *Roll;
    QLabel *LAssi, *Ldue, *Ltre, *Lquattro, *Lcinque, *Lsei;
    QLabel *Ltipo3, *Ltipo4, *LFull, *LScalaMin, *LScalaMax, *LKubolo, *LChance;
    ClickLabel *xAssi, *xDue, *xTre, *xQuattro, *xCinque, *xSei;
    ClickLabel *xtipo3, *xtipo4, *xfull, *xScalaMin, *xScalaMax, *xKubolo, *xChance;
    QLabel *Label15, *LsubTotale, *Label17, *LBonus, *Label16, *LpuntiTotali;
    QFrame *Bevel1, *Bevel2, *Bevel3, *Bevel4, *Bevel5;

    QMenu *Partita1, *Opzioni1, *Help1;
    QLabel *hintLabel;
    QAction *Nuova1, *Hint1, *Statistics1, *Punteggi1, *N1, *Esci1;
    QAction *Suono1, *Roll1;
    QAction *Contents1, *Rules1, *Scoring1, *N2, *About1;

    // The dialogs, made in this order when the first is wanted and kept
    // for the run: end of game, best players, top five, about, top score,
    // statistics.
    struct Dialogs;
    Dialogs &dialogs();

    // Handlers.
    void FormCreate();
    void FormClose() override;
    void rollClick();
    void dado1Click();
    void dado2Click();
    void dado3Click();
    void dado4Click();
    void dado5Click();
    void xAssiClick(QObject *sender);
    void Nuova1Click();
    void Hint1Click();
    void Statistics1Click();
    void Punteggi1Click();
    void Esci1Click();
    void About1Click();
    void Suono1Click();
    void Roll1Click();
    void Contents1Click();
    void Rules1Click();
    void Scoring1Click();

    void StartNewGame();
    void ShowProvisionalScores();
    void PlayGameSound(const QString &fileName);

    // The game as played: every control above draws it, every handler asks it.
    Turn &turn() { return m_session.turn; }
    const ScoreSheet &sheet() const { return m_session.turn.sheet(); }
    KuboloRecords &records() { return m_session.records; }
    // What the close writes: the table, the words, the totals and the two ticks.
    KuboloSettings currentSettings() const;
    QString settingsPath() { return settingsFile().path(); }
    TDice *die(int i) const { return m_dice[i]; }
    QCheckBox *holdBox(int i) const { return m_holds[i]; }
    ClickLabel *nameLabel(Category c) const { return m_names[index(c)]; }
    // The category under the keyboard's cursor on the score sheet, or -1
    // when the keyboard is elsewhere.
    int categoryCursor() const;

    // Milliseconds each pass of the tumbling dice stays on screen; 0 runs the
    // whole roll at once.
    void setRollPace(int ms) { m_paceMs = ms < 0 ? 0 : ms; }

protected:
    void readKeys(platform::SettingsFile &file) override;
    void writeKeys(platform::SettingsFile &file) const override;
    void startGame() override { StartNewGame(); }
    QString whatIsLost() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void buildKeys();
    // Up and Down: the cursor to the next open category that way, or onto
    // the sheet from elsewhere in the window.
    void moveCursor(int step);
    // The first open category from `from` on, going `step`, round the sheet.
    int openCategory(int from, int step) const;
    void turnChanged(TurnChange change);
    // Draws the whole turn: dice (unless they are tumbling), holds, scores,
    // totals, the roll count and which controls can be used.
    void showTurn(TurnChange change);
    void holdBoxClick(int i);
    std::vector<Stepper::Step> rollSteps();
    // A die lands on its thrown face.
    void landDie(int i);
    void updateCategoryName(Category c);
    // The thirteenth choice ends the game here.
    void showEndGame();
    void giveHint();

    Session m_session;
    QWidget *m_surface = nullptr; // the board under the controls
    Stepper m_stepper;
    QCursor m_hand;
    QCursor m_forbidden{Qt::ForbiddenCursor};
    std::array<TDice *, 5> m_dice{};
    std::array<QCheckBox *, 5> m_holds{};
    std::array<ClickLabel *, CategoryCount> m_names{};
    std::array<QLabel *, CategoryCount> m_scores{};
    int m_paceMs = 40;
    // Where the category cursor was last, kept while the names are greyed.
    int m_cursor = 0;
    MadeWhenWanted<Dialogs> m_dialogs;
};

struct TMainForm::Dialogs {
    TEndGame EndGame;
    TBestPlayers BestPlayers;
    TTopFive TopFive;
    TAboutBox1 AboutBox1;
    TTopScore TopScore;
    TStatistics Statistics;

    Dialogs(TMainForm &form, const GameSound &sound);
};

} // namespace kubolo
