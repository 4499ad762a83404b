#include "codebreaking/records.h"

#include "platform/inifile.h"

namespace codebreaking {

BestTable DefaultBestTable()
{
    return {{{QStringLiteral("Orin Vasco"), QStringLiteral("4"), QStringLiteral("100")},
             {QStringLiteral("Tema Ludd"), QStringLiteral("5"), QStringLiteral("100")},
             {QStringLiteral("Corvin Ashe"), QStringLiteral("6"), QStringLiteral("100")},
             {QStringLiteral("Ilsa Brandt"), QStringLiteral("7"), QStringLiteral("100")},
             {QStringLiteral("Nestor Quill"), QStringLiteral("8"), QStringLiteral("100")}}};
}

QString DefaultWordsOfWisdom() { return QStringLiteral("Hi, guys !"); }

QString CutKeptText(const QString &text) { return text.left(MaxKeptText); }

QString ConversionError(const QString &text) { return QStringLiteral("'%1' is not a valid integer value.").arg(text); }

std::optional<bool> Beats(const BestEntry &row, int guesses, int seconds, QString *badText)
{
    const auto number = [badText](const QString &text) -> std::optional<long long> {
        long long v = 0;
        if (platform::parseInteger(text, &v))
            return v;
        if (badText)
            *badText = text;
        return std::nullopt;
    };
    const auto g = number(row.Guesses);
    if (!g)
        return std::nullopt;
    if (*g != guesses)
        return *g > guesses;
    const auto s = number(row.Seconds);
    if (!s)
        return std::nullopt;
    return Beats(*g, *s, guesses, seconds);
}

Placing PlaceResult(const BestTable &table, int guesses, int seconds, QString *badText)
{
    const auto best = Beats(table[0], guesses, seconds, badText);
    if (!best)
        return Placing::Unreadable;
    if (*best)
        return Placing::Best;
    const auto fifth = Beats(table[BestPlaces - 1], guesses, seconds, badText);
    if (!fifth)
        return Placing::Unreadable;
    return *fifth ? Placing::BestFive : Placing::None;
}

int FindPlace(const BestTable &table, int guesses, int seconds, QString *badText)
{
    for (int place = 2; place <= BestPlaces; ++place) {
        const auto beats = Beats(table[place - 1], guesses, seconds, badText);
        if (!beats)
            return -1;
        if (*beats)
            return place;
    }
    return 0;
}

void InsertAt(BestTable &table, int place, const BestEntry &entry)
{
    if (place < 1 || place > BestPlaces)
        return;
    for (int i = BestPlaces - 1; i >= place; --i)
        table[i] = table[i - 1];
    table[place - 1] = entry;
}

} // namespace codebreaking
