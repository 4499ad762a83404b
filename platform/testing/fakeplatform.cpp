#include "platform/testing/fakeplatform.h"

#include <QDialog>

namespace platform::testing {

MsgButton FakeMessages::show(QWidget *, MsgIcon icon, const QString &text, int buttons, const QString &title)
{
    shown.push_back({icon, text, buttons, title});
    if (!answers.empty()) {
        const MsgButton answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (buttons & Yes) ? Yes : Ok;
}

int FakeMessages::exec(QDialog &dialog)
{
    dialogs << dialog.objectName();
    return onExec ? onExec(dialog) : int(QDialog::Accepted);
}

} // namespace platform::testing
