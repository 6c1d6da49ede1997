#pragma once

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>

// Triggers `action` and runs `answer` on the modal dialog of type Dialog that it opens, as a
// user answering it; a dialog the answer leaves open is cancelled afterwards. False when no
// such dialog opened.
template <typename Dialog, typename Answer>
bool AnswerModal(QAction* action, Answer&& answer)
{
    bool opened = false;
    QTimer::singleShot(0, action, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        opened = true;
        answer(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    action->trigger();
    return opened;
}
