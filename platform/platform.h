#pragma once

#include "platform/help.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/resources.h"
#include "platform/settingsdir.h"
#include "platform/shell.h"
#include "platform/sound.h"

namespace platform {

// What a form needs of the desktop. Forms receive it and never reach around it.
struct Platform {
    Messages &messages;
    Sound &sound;
    Help &help;
    Shell &shell;
    RandomSource &random;
};

// Hands the memory the program has freed back to the system: the pictures of
// the sizes a window passed through while it was dragged leave holes in the
// heap that would otherwise stay the program's.
void returnFreeMemory();

// The real services of a running program.
class Desktop {
public:
    Desktop();
    Platform &platform() { return m_platform; }

private:
    QtMessages m_messages;
    QtSound m_sound;
    QtHelp m_help;
    QtShell m_shell;
    TwisterRandom m_random;
    Platform m_platform;
};

} // namespace platform
