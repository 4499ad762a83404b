#pragma once

#include <QString>

namespace platform {

// Hands a target (a web or mail address) to the desktop's opener; never a shell.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool open(const QString &target) = 0;
};

class QtShell final : public Shell {
public:
    bool open(const QString &target) override;
};

} // namespace platform
