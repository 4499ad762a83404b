#pragma once

#include "controls/gamewindow.h"
#include "controls/stepper.h"
#include "platform/platform.h"
#include "poker/card.h"
#include "poker/myabout.h"
#include "poker/payoffs.h"
#include "poker/session.h"
#include "poker/settings.h"


#include <array>

class QAction;
class QCheckBox;
class QDialog;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolButton;
class TNumEdit;

namespace poker {

// The playing table: credits, bet, the two deals of each hand and the
// settlement.
class TMainForm : public TGameWindow {
    Q_OBJECT
public:
    explicit TMainForm(platform::Platform &platform, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The game on the table, as the window shows it.
    const Round &round() const { return m_session.round; }

    void FormCreate();
    void FormClose() override;
    void DealButtonClick();
    void CalculatePoints();
    void SetComment(const QString &text);
    void PlusOneClick();
    void MinusOneClick();
    void PlusTenClick();
    void MinusTenClick();
    void PlayAllClick();
    void CpEditChange();
    void Card1Click() { cardClick(0); }
    void Card2Click() { cardClick(1); }
    void Card3Click() { cardClick(2); }
    void Card4Click() { cardClick(3); }
    void Card5Click() { cardClick(4); }
    void New1Click();
    void Hint1Click();
    void Exit1Click();
    void About1Click();
    void Payoffs1Click();
    void Rules1Click();
    void Sound1Click();
    void PlayMoney();
    void PlayCards();
    void PlayGreat();
    void PlayClick();

    // Deck and Background menus.
    void Beach1Click();
    void MFishes1Click();
    void Standard11Click();
    void Standard21Click();
    void Green1Click();
    void Blue1Click();
    void Red1Click();
    void Gray1Click();

    // The About box and the payoffs dialog, made when the first is wanted
    // and kept for the run.
    struct Dialogs;
    Dialogs &dialogs();
    // The colour of the table the cards lie on.
    QColor tableColour() const;
    // Where the options are kept, as found at start-up.
    QString settingsPath() { return settingsFile().path(); }
    // The options as the menus stand, as they are written at close.
    CartovaOptions currentOptions() const;

    // How long the turned-down cards stay in sight before the new ones
    // arrive, in milliseconds; the window goes on painting meanwhile.
    void setDealPause(int ms) { m_dealPauseMs = ms; }
    // True once the player has chosen to stop at the end of a game.
    bool terminated() const { return m_terminated; }

    QWidget *table = nullptr; // the client area, in the table colour
    QFrame *Bevel1 = nullptr;
    TCard *Card1 = nullptr, *Card2 = nullptr, *Card3 = nullptr, *Card4 = nullptr, *Card5 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
    QCheckBox *cb1 = nullptr, *cb2 = nullptr, *cb3 = nullptr, *cb4 = nullptr, *cb5 = nullptr;
    QLabel *Comment = nullptr;
    QLabel *cwLabel = nullptr;
    QFrame *Panel1 = nullptr, *Panel2 = nullptr;
    QPushButton *PlusOne = nullptr, *MinusOne = nullptr, *PlusTen = nullptr, *MinusTen = nullptr;
    QPushButton *PlayAll = nullptr;
    QToolButton *DealButton = nullptr;
    QCheckBox *PlayAllCheck = nullptr;
    QLabel *tcLabel = nullptr;
    QLabel *cpLabel = nullptr;
    TNumEdit *cpEdit = nullptr;
    QLabel *hintLabel = nullptr; // the status line: what the hint says

    QMenuBar *MainMenu1 = nullptr;
    QMenu *Game1 = nullptr, *Options1 = nullptr, *DeckMenu1 = nullptr, *Background1 = nullptr, *N3 = nullptr;
    QAction *New1 = nullptr, *Hint1 = nullptr, *N2 = nullptr, *Exit1 = nullptr;
    QAction *Sound1 = nullptr;
    QAction *Beach1 = nullptr, *MFishes1 = nullptr, *Standard11 = nullptr, *Standard21 = nullptr;
    QAction *Green1 = nullptr, *Blue1 = nullptr, *Red1 = nullptr, *Gray1 = nullptr;
    QAction *Payoffs1 = nullptr, *Rules1 = nullptr, *N4 = nullptr, *About1 = nullptr;

    std::array<TCard *, 5> cards() const { return {Card1, Card2, Card3, Card4, Card5}; }
    std::array<QCheckBox *, 5> keepBoxes() const { return {cb1, cb2, cb3, cb4, cb5}; }

protected:
    void readKeys(platform::SettingsFile &file) override;
    void writeKeys(platform::SettingsFile &file) const override;
    void startGame() override;
    QString whatIsLost() const override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // A label sized to its new text, at every zoom.
    void fitText(QLabel *label);
    // No credits left: a new game, or the end of the program.
    void askToRestart();
    void buildMenus();
    void buildTable();
    void cardClick(int index);
    void dealArrives();
    void showCards();
    void showKeeps();
    void showControls();
    void showBet();
    void setDeck(TDecks deck);
    void setTableColor(const QColor &color);

    Session m_session;
    Stepper m_stepper;
    int m_dealPauseMs = 160;
    bool m_firstDeal = true; // the advisor's tables not yet asked for
    bool m_dealHadFocus = false;
    bool m_terminated = false;
    MadeWhenWanted<Dialogs> m_dialogs;
};

struct TMainForm::Dialogs {
    TAboutBox1 aboutBox1;
    TPayoffsForm payoffs;

    explicit Dialogs(TMainForm &form);
};

} // namespace poker
