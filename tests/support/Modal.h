#pragma once

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>

// Triggers `action` and runs `answer` on the modal dialog of type Dialog that it opens, as a
// user answering it; a dialog the answer leaves open is cancelled afterwards. False when no
// such dialog opened. The answer waits on a timer of this call's own: when the action opens no
// dialog, it goes with the call instead of firing later, into whatever dialog opens next.
template <typename Dialog, typename Answer>
bool AnswerModal(QAction* action, Answer&& answer)
{
    bool opened = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, action, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        opened = true;
        answer(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer.start(0);
    action->trigger();
    return opened;
}
