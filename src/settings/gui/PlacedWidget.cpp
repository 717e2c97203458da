#include "settings/gui/PlacedWidget.h"

#include "settings/WinReg.h"
#include "util/PlatformServices.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr Qt::WindowStates kSpecialStates = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

} // namespace

QString PlacedWidget::formName() const { return widget_ ? widget_->objectName() : QString(); }

WindowPlacement PlacedWidget::placement() const
{
    WindowPlacement placement;
    if (!widget_)
        return placement;
    const Qt::WindowStates states = widget_->windowState();
    if (states.testFlag(Qt::WindowMinimized))
        placement.state = WindowPlacement::State::Minimised;
    else if (states.testFlag(Qt::WindowMaximized))
        placement.state = WindowPlacement::State::Maximised;
    placement.normal = widget_->geometry();
    if (states & kSpecialStates) {
        // Empty when the window was never in the normal state.
        const QRect normal = widget_->normalGeometry();
        if (normal.isValid())
            placement.normal = normal;
    }
    return placement;
}

void PlacedWidget::setPlacement(const WindowPlacement& placement)
{
    if (!widget_)
        return;
    // Back to the normal state first: the rectangle is the one the window
    // returns to, and Qt records it as such when the window is maximised.
    widget_->setWindowState(widget_->windowState() & ~kSpecialStates);
    widget_->setGeometry(placement.normal);
    if (placement.state == WindowPlacement::State::Maximised)
        widget_->setWindowState(widget_->windowState() | Qt::WindowMaximized);
    else if (placement.state == WindowPlacement::State::Minimised)
        widget_->setWindowState(widget_->windowState() | Qt::WindowMinimized);
}

QRect PlacedWidget::desktop() const
{
    const QScreen* screen = widget_ && widget_->screen() ? widget_->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect();
}

void AttacherFenetre(TWinReg& WR, QWidget& form)
{
    if (!form.isWindow())
        services().showMessage(QStringLiteral("WinReg : Owner <> TForm : ") + form.objectName(),
                               PlatformServices::Icon::Error);
    WR.SetFenetre(std::make_unique<PlacedWidget>(form));
}
