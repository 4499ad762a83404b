#pragma once

#include <QHash>
#include <QString>

#include <algorithm>
#include <array>
#include <utility>

namespace platform {

// Pictures drawn at a size, kept for the last sizes each was asked at: a
// window dragged through a thousand sizes holds the pictures it shows now
// and just before, not one for every size it passed.
template <class Picture>
class RecentSizes {
public:
    static constexpr int Kept = 2;

    // The picture of that name drawn at that size, if kept; it is then the
    // last asked for of its name.
    const Picture *find(const QString &name, const QString &size)
    {
        const auto kept = m_pictures.find(name);
        if (kept == m_pictures.end())
            return nullptr;
        Sizes &sizes = *kept;
        for (std::size_t i = 0; i < sizes.size(); ++i)
            if (sizes[i].first == size && !size.isNull()) {
                std::rotate(sizes.begin(), sizes.begin() + std::ptrdiff_t(i), sizes.begin() + std::ptrdiff_t(i) + 1);
                return &sizes[0].second;
            }
        return nullptr;
    }

    // Kept in the place of the size of that name asked at longest ago.
    const Picture &insert(const QString &name, const QString &size, Picture picture)
    {
        Sizes &sizes = m_pictures[name];
        for (int i = Kept - 1; i > 0; --i)
            sizes[std::size_t(i)] = std::move(sizes[std::size_t(i - 1)]);
        sizes[0] = {size, std::move(picture)};
        return sizes[0].second;
    }

    void forget(const QString &name) { m_pictures.remove(name); }

private:
    using Sizes = std::array<std::pair<QString, Picture>, Kept>;
    QHash<QString, Sizes> m_pictures;
};

} // namespace platform
