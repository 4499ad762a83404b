#pragma once

#include "codebreaking/records.h"
#include "controls/arrowbtn.h"
#include "controls/recordsdialogs.h"
#include "platform/platform.h"

class QFrame;
class QLabel;
class QPushButton;

namespace codebreaking {

// The five best players, with a marker at the left of each row and the best
// player's words at the top. The markers belong to the places: one turns red
// where a name was entered and stays red while later entries push rows past it.
class TBestPlayers : public recordsdialogs::BestPlayersTable {
    Q_OBJECT
public:
    TBestPlayers(platform::Platform &platform, BestRecords &records, QWidget *parent = nullptr);

    // Handlers.
    void FormCreate();
    void FormActivate() override { showWords(); }
    void Button1Click() { resetOnYes(tr("Are you sure ?")); } // Reset
    void OKButtonClick() { accept(); }

    // A name entered at a place: its marker turns red, the rows from there
    // move one place down (the last drops out) and the entry takes the place.
    void enterAt(int place, const BestEntry &entry);
    void setWordsOfWisdom(const QString &words);
    const BestRecords &records() const { return m_records; }

    QLabel *nameLabel(int place) const { return cell(place, 0); }
    QLabel *guessesLabel(int place) const { return cell(place, 1); }
    QLabel *secondsLabel(int place) const { return cell(place, 2); }

    QFrame *Panel1;
    QLabel *WowFrom; // "Words of Wisdom from " and the best player's name
    QLabel *Wow;     // the words
    QLabel *t1, *t2, *t3, *t4, *t5;
    QLabel *s1, *s2, *s3, *s4, *s5;
    QPushButton *OKButton;
    QPushButton *Button1; // Reset

private:
    BestRecords &m_records;
};

} // namespace codebreaking
