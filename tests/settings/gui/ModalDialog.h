#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Runs action on the modal dialog as soon as its own event loop runs; the
// action must close it. Without a modal dialog the test fails at once.
inline void SurDialogueModal(std::function<void(QWidget&)> action)
{
    QTimer::singleShot(0, qApp, [action = std::move(action)] {
        QWidget* dialogue = QApplication::activeModalWidget();
        if (!dialogue) {
            ADD_FAILURE() << "no modal dialog is shown";
            return;
        }
        action(*dialogue);
    });
}
