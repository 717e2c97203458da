#pragma once

#include "settings/PlacedWindow.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class TWinReg;

// A top-level widget as the window of its TWinReg: the normal rectangle is the
// widget's geometry (normalGeometry while maximised or minimised), so that a
// placement read back gives the same window.
class PlacedWidget final : public PlacedWindow {
public:
    explicit PlacedWidget(QWidget& widget) : widget_(&widget) {}

    QString formName() const override;
    WindowPlacement placement() const override;
    void setPlacement(const WindowPlacement& placement) override;
    QRect desktop() const override;

private:
    QPointer<QWidget> widget_;
};

// Makes the form the window of WR (its settings key becomes the form's object
// name). A widget that is not a window gets "WinReg : Owner <> TForm : " + its
// name, and is used all the same.
void AttacherFenetre(TWinReg& WR, QWidget& form);
