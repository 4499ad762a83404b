#include "platform/platform.h"

namespace platform {

Desktop::Desktop() : m_platform{m_messages, m_sound, m_help, m_shell, m_random} { m_random.randomize(); }

} // namespace platform
