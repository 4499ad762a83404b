#pragma once

#include "controls/clicktracker.h"
#include "poker/hand.h"

#include <QImage>
#include <QString>
#include <QWidget>

namespace platform {
class RandomSource;
}

namespace poker {

// The card backs, each named by its picture.
enum class TDecks : std::uint8_t {
    Standard1,
    Standard2,
    Fishes1,
    Fishes2,
    Beach,
    Leaves1,
    Leaves2,
    Robot,
    Roses,
    Shell,
    Castle,
    Hand
};

QString backPictureName(TDecks deck);
QString facePictureName(TCardSuit suit, TCardValue value);
// "Queen of Hearts", "Ace of Spades", "10 of Clubs".
QString cardName(TCardSuit suit, TCardValue value);

// Paints the corners outside the card's black outline in the table colour:
// a flood fill from each corner pixel that stops at black.
void fillCorners(QImage &image, QColor table);

// One playing card on the table, face up or showing the back of its deck,
// designed 71 x 96 and drawn at whatever size its form gives it.
// Every property write paints the card at once, so the face-down step of a
// deal is seen before the new card replaces it.
class TCard : public Clickable<QWidget> {
    Q_OBJECT
public:
    TCard(QWidget *parent, platform::RandomSource &random);

    TCardValue Value() const { return m_card.value; }
    void SetValue(int value); // clamped into 1..13
    TCardSuit Suit() const { return m_card.suit; }
    void SetSuit(TCardSuit suit);
    bool ShowDeck() const { return m_showDeck; }
    void SetShowDeck(bool showBack);
    TDecks DeckType() const { return m_deckType; }
    void SetDeckType(TDecks deck);

    void Flip() { SetShowDeck(!m_showDeck); }
    void PickRandom();
    bool DiffersFrom(const TCard &other) const { return m_card.DiffersFrom(other.m_card); }

    void setCard(Card card);

    // Whether the player keeps the card, for the accessible name only.
    void setKept(bool kept);

    // The picture as last painted, corners included (for tests).
    QImage paintedImage() const;

signals:
    void OnClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void leftClick() override { emit OnClick(); }

private:
    QString pictureName() const;
    // The card at its present size, for a device of that pixel ratio.
    QImage picture(qreal ratio) const;
    QColor tableColour() const;
    void changed();
    void nameForAccessibility();

    platform::RandomSource &m_random;
    Card m_card{1, TCardSuit::Hearts};
    TDecks m_deckType = TDecks::Standard1;
    bool m_showDeck = false;
    bool m_kept = false;
};

} // namespace poker
