#pragma once

#include "codebreaking/records.h"
#include "controls/arrowbtn.h"
#include "controls/formkit.h"
#include "platform/platform.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace codebreaking {

// The five best players, with a marker at the left of each row and the best
// player's words at the top. The markers belong to the places: one turns red
// where a name was entered and stays red while later entries push rows past it.
class TBestPlayers : public formkit::Dialog {
    Q_OBJECT
public:
    TBestPlayers(platform::Platform &platform, BestRecords &records, QWidget *parent = nullptr);

    // Handlers.
    void FormCreate();
    void FormActivate() override;
    void Button1Click(); // Reset
    void OKButtonClick();

    // All five markers yellow again.
    void ClearRowMarks();

    // A name entered at a place: its marker turns red, the rows from there
    // move one place down (the last drops out) and the entry takes the place.
    void enterAt(int place, const BestEntry &entry);
    void setWordsOfWisdom(const QString &words);
    const BestRecords &records() const { return m_records; }

    TArrowButton *marker(int place) const { return m_markers.at(place - 1); }
    QLabel *nameLabel(int place) const { return m_names.at(place - 1); }
    QLabel *guessesLabel(int place) const { return m_guesses.at(place - 1); }
    QLabel *secondsLabel(int place) const { return m_seconds.at(place - 1); }

    QFrame *Panel1;
    QLabel *WowFrom; // "Words of Wisdom from " and the best player's name
    QLabel *Wow;     // the words
    TArrowButton *ab1, *ab2, *ab3, *ab4, *ab5;
    QLabel *n1, *n2, *n3, *n4, *n5;
    QLabel *t1, *t2, *t3, *t4, *t5;
    QLabel *s1, *s2, *s3, *s4, *s5;
    QPushButton *OKButton;
    QPushButton *Button1; // Reset

private:
    void showTable();

    platform::Platform &m_platform;
    BestRecords &m_records;
    std::array<TArrowButton *, BestPlaces> m_markers{};
    std::array<QLabel *, BestPlaces> m_names{}, m_guesses{}, m_seconds{};
};

} // namespace codebreaking
