#pragma once

#include "platform/platform.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace platform::testing {

// Records every message box and answers from a script.
class FakeMessages final : public Messages {
public:
    struct Shown {
        MsgIcon icon;
        QString text;
        int buttons;
        QString title;
    };
    std::vector<Shown> shown;
    std::deque<MsgButton> answers;        // taken in order; when empty, Yes or else Ok
    QStringList dialogs;                  // object names of the dialogs shown modally
    std::function<int(QDialog &)> onExec; // when unset, a modal dialog returns Accepted unseen
    int beeps = 0;

    MsgButton show(QWidget *parent, MsgIcon icon, const QString &text, int buttons, const QString &title) override;
    int exec(QDialog &dialog) override;
    void beep() override { ++beeps; }
    QString lastText() const { return shown.empty() ? QString() : shown.back().text; }
};

class FakeSound final : public Sound {
public:
    QStringList played; // every sound asked for, started or not
    bool works = true;  // false: every sound reports it could not start
    bool play(const QString &fileName, std::function<void()> = {}) override
    {
        played << fileName;
        return works;
    }
};

class FakeHelp final : public Help {
public:
    QString file;
    QStringList topics;
    void setHelpFile(const QString &fileName) override { file = fileName; }
    void showTopic(const QString &topic) override { topics << topic; }
};

class FakeShell final : public Shell {
public:
    QStringList opened;
    bool works = true;
    bool open(const QString &target) override
    {
        opened << target;
        return works;
    }
};

// The whole double, with a seeded random source.
struct FakePlatform {
    FakeMessages messages;
    FakeSound sound;
    FakeHelp help;
    FakeShell shell;
    SeededRandom random{12345u};
    Platform platform{messages, sound, help, shell, random};
};

} // namespace platform::testing
