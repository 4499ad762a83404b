#pragma once

#include <functional>
#include <utility>

namespace platform {

// How a game's model tells its window what it changed: by naming the
// aspect, which the window then draws again from the model. The window asks
// the model for every change; it never writes the model's state itself.
template <class Aspect>
class Changes {
public:
    using Listener = std::function<void(Aspect)>;
    void setListener(Listener listener) { m_listener = std::move(listener); }

protected:
    void tell(Aspect aspect) const
    {
        if (m_listener)
            m_listener(aspect);
    }

private:
    Listener m_listener;
};

} // namespace platform
