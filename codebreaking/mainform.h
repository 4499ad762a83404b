#pragma once

#include "codebreaking/bp.h"
#include "codebreaking/congrats.h"
#include "codebreaking/myabout.h"
#include "codebreaking/pegshape.h"
#include "codebreaking/res.h"
#include "codebreaking/session.h"
#include "codebreaking/stat.h"
#include "codebreaking/top.h"
#include "controls/arrowbtn.h"
#include "controls/gamewindow.h"
#include "platform/platform.h"

#include <array>

class QAction;
class QLabel;
class QPushButton;
class QTimer;

namespace codebreaking {

class TBestPlayers;
class TWelcomeBox;

// The board: ten lines of four holes, the palette, Check and Repeat, a marker
// and two counts per line, the line number, the clock and the hidden code.
// It draws what its game says and hands the player's moves to the game.
class TMainForm : public TGameWindow {
    Q_OBJECT
    Session m_session; // first: the names below are its parts

public:
    explicit TMainForm(platform::Platform &platform, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The game in progress and the running totals; the end-of-game and
    // statistics dialogs read them.
    GameState &Game = m_session.game;
    GameStats &Stats = m_session.kept.stats;
    // Show the welcome dialog at start; kept in the settings file and changed
    // by the welcome dialog.
    bool &WelcomeFlag = m_session.kept.welcomeBox;
    // The best players and the best player's words, as read from the settings
    // file; the best-players dialog shows and changes them.
    BestRecords &Records = m_session.kept.best;

    // The board's dialogs, made in this order when the first is wanted, and
    // kept for the run: what they hold (the table, the names typed) lasts.
    struct Dialogs;
    Dialogs &dialogs();

    // Handlers.
    void FormCreate();
    void New1Click(QObject *Sender);
    void Secretcode1Click();
    void Hint1Click();
    void Statistics1Click();
    void BestPlayers1Click();
    void Exit1Click();
    void Sound1Click();
    void Symbols1Click();
    void Contents1Click();
    void Rules1Click();
    void Scoring1Click();
    void Welcomebox1Click();
    void About1Click();
    void Button1Click();
    void Button2Click();
    void Timer1Timer();
    bool a1DragOver(TPegShape *Sender, PegColor color);
    void d2DragDrop(TPegShape *Sender, PegColor color);

    // The board's controls. Holes are named a1..a4 (line 1) to j1..j4 (line
    // 10), counts an/ab .. jn/jb (line 9: iin/ib), markers Ab1..Ab10.
    TPegShape *hole(int line, int column) const { return m_holes.at(line - 1).at(column - 1); }
    QLabel *correctLabel(int line) const { return m_correct.at(line - 1); }
    QLabel *misplacedLabel(int line) const { return m_misplaced.at(line - 1); }
    TArrowButton *marker(int line) const { return m_markers.at(line - 1); }
    TPegShape *code(int position) const { return m_code.at(position - 1); }
    TPegShape *palettePeg(PegColor peg) const { return m_palette.at(int(peg) - 1); }
    // The hole of the current line that keys fill and empty: 1..Positions.
    int cursorColumn() const { return m_cursor; }
    QWidget *holeCursor() const { return m_cursorFrame; }

    TPegShape *bianco, *rosso, *giallo, *verde, *viola, *azzurro, *blu, *nero;
    TPegShape *s1, *s2, *s3, *s4;
    QPushButton *Button1; // Check
    QPushButton *Button2; // Repeat
    QLabel *Label1;       // "Line:"
    QLabel *lTurno;
    QLabel *time;
    QTimer *Timer1;
    QLabel *hintLabel; // the status line under the board: the hint in words

    QAction *New1, *Secretcode1, *Hint1, *Statistics1, *BestPlayers1, *Exit1;
    QAction *tc1, *NormalGame1;
    QAction *Sound1, *sc1;
    QAction *Symbols1; // Peg Symbols
    QAction *Contents1, *Rules1, *Scoring1, *Welcomebox1, *About1;

protected:
    void readKeys(platform::SettingsFile &file) override;
    void writeKeys(platform::SettingsFile &file) const override;
    void startGame() override;
    void zoomChanged() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void StartNewGame();
    void showWelcome();
    void ClearLineMarks();
    void MarkLine(int line, TColor color);

    void buildBoard();
    void buildMenu();
    // A peg put in or taken out of a hole, by a drop or a key.
    bool putPeg(int line, int column, PegColor color);
    bool boardKey(QKeyEvent *event);
    // The hole cursor on the current line, and the keyboard focus with it.
    void showHoleCursor();
    // The board drawn from the game: all of it, or one part.
    void showBoard();
    void showHole(int line, int column);
    void showCounts(int line);
    void showLineMarks();
    void showLine(int line);
    void showSeconds(int seconds);
    void showCode();
    void showControls();
    void showSymbols();

    std::array<std::array<TPegShape *, 4>, LineCount> m_holes{};
    std::array<QLabel *, LineCount> m_correct{};
    std::array<QLabel *, LineCount> m_misplaced{};
    std::array<TArrowButton *, LineCount> m_markers{};
    std::array<TPegShape *, 4> m_code{};
    std::array<TPegShape *, PegColorCount> m_palette{};
    QWidget *m_board = nullptr;
    QWidget *m_cursorFrame = nullptr;
    int m_cursor = 1;
    TWelcomeBox *m_welcomeBox = nullptr; // made when first wanted
    // The answer of the hint under way: the line it was worked out for.
    struct HintAnswer {
        int line = 0, positions = 0;
        GuessAdvice advice;
    } m_hintAnswer;
    MadeWhenWanted<Dialogs> m_dialogs;
};

struct TMainForm::Dialogs {
    TBestPlayers bestPlayers;
    TStatistics statistics;
    TAboutBox1 aboutBox1;
    TResult result;
    TCongratulations congratulations;
    TTopScore topScore;

    explicit Dialogs(TMainForm &board);
};

} // namespace codebreaking
