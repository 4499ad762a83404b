#include "poker/round.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace poker {

QString refusalText(Refusal refusal, std::int32_t credits)
{
    switch (refusal) {
    case Refusal::NoBet: return QCoreApplication::translate("poker::Round", "You must play at least 1 credit.");
    case Refusal::OutOfRange:
        // The range a bet may take, under the words every player knows.
        return QCoreApplication::translate("poker::Round", "Credits played out of range.") + QLatin1Char('\n') +
               (credits == 1 ? QCoreApplication::translate("poker::Round", "You can play 1 credit.")
                             : QCoreApplication::translate("poker::Round", "You can play from 1 to %L1 credits.")
                                   .arg(credits));
    case Refusal::InvalidValue: return QCoreApplication::translate("poker::Round", "Invalid value.");
    case Refusal::None:
    case Refusal::NotNow: break;
    }
    return {};
}

Round::Round(platform::RandomSource &random) : m_random(random) {}

void Round::newGame()
{
    m_credits = 100;
    m_nextDeal = 1;
    m_bet = 0;
    m_kept = {};
    m_faceDown.fill(true);
    m_greatPlayed = false;
    m_dealing = false;
}

Refusal Round::enterBet(const QString &text)
{
    if (!betting())
        return Refusal::NotNow;
    if (text.isEmpty())
        return Refusal::None;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return Refusal::InvalidValue;
    m_bet = value;
    return Refusal::None;
}

void Round::plusOne()
{
    if (betting() && m_bet < m_credits)
        ++m_bet;
}

void Round::minusOne()
{
    if (betting() && m_bet > 1)
        --m_bet;
}

void Round::plusTen()
{
    if (!betting())
        return;
    if (std::int64_t(m_bet) + 10 <= m_credits)
        m_bet += 10;
    else
        m_bet = m_credits;
}

void Round::minusTen()
{
    if (!betting())
        return;
    m_bet = m_bet > 10 ? m_bet - 10 : 1;
}

void Round::playAll()
{
    if (!m_dealing)
        m_bet = m_credits;
}

bool Round::toggleKeep(int position)
{
    if (!holding() || m_dealing || position < 0 || position >= HandSize)
        return false;
    m_kept[std::size_t(position)] = !m_kept[std::size_t(position)];
    return true;
}

Round::Dealing Round::deal(long double asked)
{
    if (m_dealing)
        return {Refusal::NotNow};
    if (!(asked > 0))
        return {Refusal::NoBet};
    if (asked > m_credits)
        return {Refusal::OutOfRange};
    // The bet just checked is the bet played and settled, whatever the
    // edit's last text left behind.
    m_bet = std::clamp<std::int32_t>(std::int32_t(std::floor(asked)), 1, m_credits);
    m_dealing = true;
    Dealing dealing;
    if (m_nextDeal == 1)
        m_greatPlayed = false;
    for (int i = 0; i < HandSize; ++i) {
        const bool replaced = m_nextDeal == 1 || !m_kept[std::size_t(i)];
        if (replaced && !m_faceDown[std::size_t(i)]) {
            m_faceDown[std::size_t(i)] = true;
            dealing.turnedDown = true;
        }
    }
    return dealing;
}

void Round::draw()
{
    if (!m_dealing)
        return;
    if (m_nextDeal == 1) {
        DealHand(m_hand, m_random);
        m_faceDown.fill(false);
    } else {
        ReplaceCards(m_hand, m_kept, m_random, [this](int i) { m_faceDown[std::size_t(i)] = false; });
    }
}

Round::Settlement Round::settle()
{
    Settlement result;
    const Payoff &row = EvaluateHand(m_hand);
    result.payoff = &row;
    result.credits = m_credits;
    if (!m_dealing)
        return result;
    if (row.sound == SoundClass::Great) {
        result.sound = m_greatPlayed ? SoundClass::None : SoundClass::Great;
        m_greatPlayed = true;
    } else {
        result.sound = row.sound;
    }
    if (m_nextDeal == 2) {
        // Wide enough for a royal flush on the whole bank.
        result.won = std::int64_t(m_bet) * row.multiplier;
        result.settled = true;
        m_credits -= std::min(m_bet, m_credits);
        m_credits = std::int32_t(std::min<std::int64_t>(std::int64_t(m_credits) + result.won, MaxCredits));
        if (m_bet > m_credits) {
            m_bet = m_credits;
            result.betLowered = true;
        }
        m_kept = {};
        m_nextDeal = 1;
    } else {
        m_nextDeal = 2;
    }
    m_dealing = false;
    result.credits = m_credits;
    result.gameOver = m_credits == 0;
    return result;
}

} // namespace poker
