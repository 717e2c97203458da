#pragma once

#include "settings/WindowPlacement.h"

#include <QRect>
#include <QString>

// The window a TWinReg restores at start-up and records at the end. The
// widgets implement it (settings/gui); tests use a plain rectangle.
class PlacedWindow {
public:
    virtual ~PlacedWindow() = default;

    // The form's name: its settings key unless another one is forced.
    virtual QString formName() const = 0;
    // Its state and its normal rectangle, also while maximised or minimised.
    virtual WindowPlacement placement() const = 0;
    virtual void setPlacement(const WindowPlacement& placement) = 0;
    // The whole virtual desktop.
    virtual QRect desktop() const = 0;
};
