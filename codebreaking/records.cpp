#include "codebreaking/records.h"

namespace codebreaking {

BestTable defaultBestTable()
{
    return {{{QStringLiteral("Orin Vasco"), QStringLiteral("4"), QStringLiteral("100")},
             {QStringLiteral("Tema Ludd"), QStringLiteral("5"), QStringLiteral("100")},
             {QStringLiteral("Corvin Ashe"), QStringLiteral("6"), QStringLiteral("100")},
             {QStringLiteral("Ilsa Brandt"), QStringLiteral("7"), QStringLiteral("100")},
             {QStringLiteral("Nestor Quill"), QStringLiteral("8"), QStringLiteral("100")}}};
}

std::optional<bool> Beats(const BestEntry &row, int guesses, int seconds, QString *badText)
{
    const auto number = [badText](const QString &text) {
        const auto v = platform::best::number(text);
        if (!v && badText)
            *badText = text;
        return v;
    };
    const auto g = number(row.guesses);
    if (!g)
        return std::nullopt;
    if (*g != guesses)
        return *g > guesses;
    const auto s = number(row.seconds);
    if (!s)
        return std::nullopt;
    return *s > seconds;
}

Placing placeResult(const BestTable &table, int guesses, int seconds, QString *badText)
{
    return platform::best::placeResult(table,
                                       [&](const BestEntry &row) { return Beats(row, guesses, seconds, badText); });
}

int findPlace(const BestTable &table, int guesses, int seconds, QString *badText)
{
    return platform::best::findPlace(table,
                                     [&](const BestEntry &row) { return Beats(row, guesses, seconds, badText); });
}

} // namespace codebreaking
