#include "dice/scoresheet.h"

#include <QCoreApplication>

namespace kubolo {

namespace {

// The names the player reads, translated in the context "kubolo::category".
constexpr const char *captions[CategoryCount] = {
    QT_TRANSLATE_NOOP("kubolo::category", "Aces"),
    QT_TRANSLATE_NOOP("kubolo::category", "Two"),
    QT_TRANSLATE_NOOP("kubolo::category", "Three"),
    QT_TRANSLATE_NOOP("kubolo::category", "Four"),
    QT_TRANSLATE_NOOP("kubolo::category", "Five"),
    QT_TRANSLATE_NOOP("kubolo::category", "Six"),
    QT_TRANSLATE_NOOP("kubolo::category", "3 of a kind"),
    QT_TRANSLATE_NOOP("kubolo::category", "4 of a kind"),
    //: A full house: three of one face and two of another.
    QT_TRANSLATE_NOOP("kubolo::category", "Full"),
    QT_TRANSLATE_NOOP("kubolo::category", "Minimum Scale"),
    QT_TRANSLATE_NOOP("kubolo::category", "Maximum Scale"),
    QT_TRANSLATE_NOOP("kubolo::category", "Kubolo"),
    QT_TRANSLATE_NOOP("kubolo::category", "Chance"),
};

// Largest first; five elements, so a straight insertion sort.
Dice5 sortedDescending(const Dice5 &dice)
{
    Dice5 s = dice;
    for (int i = 1; i < 5; ++i) {
        const DieValue v = s[i];
        int j = i;
        for (; j > 0 && s[j - 1] < v; --j)
            s[j] = s[j - 1];
        s[j] = v;
    }
    return s;
}

} // namespace

const char *caption(Category c)
{
    const int i = index(c);
    return i >= 0 && i < CategoryCount ? captions[i] : "";
}

QString captionText(Category c) { return QCoreApplication::translate("kubolo::category", caption(c)); }

DiceEvaluation ScoreSheet::EvaluateDice(const Dice5 &dice, const LeftFilled &leftFilled)
{
    const Dice5 s = sortedDescending(dice);
    const int s1 = s[0], s2 = s[1], s3 = s[2], s4 = s[3], s5 = s[4];
    const int sum = s1 + s2 + s3 + s4 + s5;
    const bool five = s1 == s5; // sorted, so all equal

    DiceEvaluation e;
    e.Joker = five && s1 >= 1 && s1 <= LeftSideCount && leftFilled[s1 - 1];

    for (int v = 1; v <= LeftSideCount; ++v) {
        int points = 0;
        for (int d : s)
            if (d == v)
                points += v;
        e.scores[v - 1] = static_cast<std::uint16_t>(points);
    }

    const bool three = (s1 == s2 && s2 == s3) || (s2 == s3 && s3 == s4) || (s3 == s4 && s4 == s5);
    const bool four = (s1 == s2 && s2 == s3 && s3 == s4) || (s2 == s3 && s3 == s4 && s4 == s5);
    const bool full = s1 == s2 && s4 == s5 && ((s3 == s1 && s3 != s5) || (s3 == s5 && s3 != s1));
    const bool minimum = (s1 == s2 + 1 && s2 == s3 + 1 && s3 == s4 + 1) ||
                         (s2 == s3 + 1 && s3 == s4 + 1 && s4 == s5 + 1) ||
                         (s1 == s2 + 1 && s2 == s4 + 1 && s4 == s5 + 1);
    const bool maximum = s1 == s2 + 1 && s2 == s3 + 1 && s3 == s4 + 1 && s4 == s5 + 1;

    auto set = [&e](Category c, int points) { e.scores[index(c)] = static_cast<std::uint16_t>(points); };
    set(Category::ThreeOfAKind, three ? sum : 0);
    set(Category::FourOfAKind, four ? sum : 0);
    set(Category::Full, full || e.Joker ? 25 : 0);
    set(Category::MinimumScale, minimum || e.Joker ? 30 : 0);
    set(Category::MaximumScale, maximum || e.Joker ? 40 : 0);
    set(Category::FiveOfAKind, five ? 50 : 0);
    set(Category::Chance, sum);
    return e;
}

void ScoreSheet::NewGame()
{
    m_filled.fill(false);
    // Cleared too, so nothing of the last game can be recorded by mistake.
    m_score.fill(0);
    m_dice.fill(1);
    m_sorted.fill(1);
    m_joker = false;
    m_upperTotal = 0;
    m_categoryTotal = 0;
    m_bonus = 0;
    m_rollNumber = 0;
    m_fiveOfAKindCount = 0;
    m_hinted = false;
    m_turnNumber = 1;
}

bool ScoreSheet::RecordRoll(const Dice5 &dice)
{
    m_dice = dice;
    m_sorted = sortedDescending(dice);
    const bool five = m_sorted[0] == m_sorted[4];
    if (five)
        ++m_fiveOfAKindCount;
    LeftFilled left;
    for (int i = 0; i < LeftSideCount; ++i)
        left[i] = m_filled[i];
    const DiceEvaluation e = EvaluateDice(dice, left);
    m_joker = e.Joker;
    for (int i = 0; i < CategoryCount; ++i)
        if (!m_filled[i])
            m_score[i] = e.scores[i];
    ++m_rollNumber;
    return five;
}

bool ScoreSheet::Choose(Category c)
{
    const int i = index(c);
    if (i < 0 || i >= CategoryCount || m_filled[i])
        return false;
    m_filled[i] = true;
    const std::uint16_t points = m_score[i];
    if (isLeftSide(c))
        m_upperTotal += points;
    m_categoryTotal += points;
    ++m_turnNumber;
    if (m_upperTotal >= BonusThreshold)
        m_bonus = BonusPoints;
    m_rollNumber = 0;
    return true;
}

QString ScoreSheet::BonusCaption() const
{
    if (m_upperTotal >= BonusThreshold)
        return QCoreApplication::translate("kubolo::ScoreSheet", "Bonus");
    //: %1 is the points still missing for the bonus.
    return QCoreApplication::translate("kubolo::ScoreSheet", "Bonus (-%1)").arg(BonusThreshold - m_upperTotal);
}

// ---------------------------------------------------------------------------

Refusal Turn::newGame()
{
    if (m_rolling)
        return Refusal::Rolling;
    m_sheet.NewGame();
    m_holds.fill(false);
    m_fiveOfAKind = false;
    tell(TurnChange::NewGame);
    return Refusal::None;
}

Refusal Turn::toggleHold(int die)
{
    if (die < 0 || die >= 5)
        return Refusal::NoSuchDie;
    if (m_rolling)
        return Refusal::Rolling;
    if (m_sheet.IsOver())
        return Refusal::GameOver;
    if (m_sheet.RollNumber() == 0)
        return Refusal::NoRollYet;
    if (m_sheet.RollNumber() >= 3)
        return Refusal::NoRollsLeft;
    m_holds[die] = !m_holds[die];
    tell(TurnChange::Holds);
    return Refusal::None;
}

Refusal Turn::startRoll()
{
    if (m_rolling)
        return Refusal::Rolling;
    if (m_sheet.IsOver())
        return Refusal::GameOver;
    if (m_sheet.RollNumber() >= 3)
        return Refusal::NoRollsLeft;
    if (m_sheet.RollNumber() == 0)
        m_holds.fill(false);
    m_rolling = true;
    tell(TurnChange::RollStarted);
    return Refusal::None;
}

Refusal Turn::finishRoll(const Dice5 &thrown)
{
    if (!m_rolling)
        return Refusal::NotRolling;
    Dice5 faces = m_sheet.Dice();
    for (int i = 0; i < 5; ++i)
        if (!m_holds[i])
            faces[i] = thrown[i] < 1 ? 1 : thrown[i] > 6 ? 6 : thrown[i];
    m_rolling = false;
    m_fiveOfAKind = m_sheet.RecordRoll(faces);
    if (m_sheet.RollNumber() == 3)
        m_holds.fill(false);
    tell(TurnChange::Rolled);
    return Refusal::None;
}

void Turn::cancelRoll()
{
    if (!m_rolling)
        return;
    m_rolling = false;
    tell(TurnChange::RollCancelled);
}

Refusal Turn::choose(Category c)
{
    if (m_rolling)
        return Refusal::Rolling;
    if (m_sheet.IsOver())
        return Refusal::GameOver;
    if (m_sheet.RollNumber() == 0)
        return Refusal::NoRollYet;
    if (!m_sheet.Choose(c))
        return Refusal::Filled;
    m_holds.fill(false);
    tell(TurnChange::Chosen);
    return Refusal::None;
}

} // namespace kubolo
