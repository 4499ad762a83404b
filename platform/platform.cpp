#include "platform/platform.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace platform {

void returnFreeMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

Desktop::Desktop() : m_platform{m_messages, m_sound, m_help, m_shell, m_random} { m_random.randomize(); }

} // namespace platform
