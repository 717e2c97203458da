#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Runs action on the modal dialog of type D as soon as the event loop of its
// exec() turns; a dialog the action leaves open is cancelled, so that a
// failing test never hangs. Call it just before what opens the dialog.
template <typename D>
void PendantDialogue(std::function<void(D&)> action)
{
    QTimer::singleShot(0, [action] {
        auto* dialogue = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialogue) {
            ADD_FAILURE() << "le dialogue attendu n'est pas ouvert";
            if (auto* autre = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                autre->reject();
            return;
        }
        action(*dialogue);
        if (dialogue->isVisible())
            dialogue->reject();
    });
}
