#pragma once

#include <QHash>
#include <QSize>
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

    // The picture of that name drawn at that size and pixel ratio, if kept;
    // it is then the last asked for of its name.
    const Picture *find(const QString &name, QSize size, qreal ratio)
    {
        const auto kept = m_pictures.find(name);
        if (kept == m_pictures.end())
            return nullptr;
        Sizes &sizes = *kept;
        const auto at = std::find_if(sizes.begin(), sizes.end(),
                                     [&](const Entry &e) { return e.size == size && e.ratio == ratio; });
        if (at == sizes.end())
            return nullptr;
        std::rotate(sizes.begin(), at, at + 1);
        return &sizes.front().picture;
    }

    // Kept in the place of the size of that name asked at longest ago.
    const Picture &insert(const QString &name, QSize size, qreal ratio, Picture picture)
    {
        Sizes &sizes = m_pictures[name];
        std::rotate(sizes.begin(), sizes.end() - 1, sizes.end());
        sizes.front() = {size, ratio, std::move(picture)};
        return sizes.front().picture;
    }

    void forget(const QString &name) { m_pictures.remove(name); }

private:
    struct Entry {
        QSize size; // invalid: no picture yet
        qreal ratio = 0;
        Picture picture;
    };
    using Sizes = std::array<Entry, Kept>;
    QHash<QString, Sizes> m_pictures;
};

} // namespace platform
