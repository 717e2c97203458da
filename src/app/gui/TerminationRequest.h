#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// The desktop session ends (SIGTERM, SIGHUP): the application is asked to
// close its main window as the user would, so that its settings are kept and
// its document locks given back, instead of dying on the spot. The signal only
// writes a byte; the close runs in the event loop.
class TerminationRequest : public QObject {
public:
    explicit TerminationRequest(std::function<void()> onRequest);
    ~TerminationRequest() override;

private:
    std::function<void()> onRequest_;
    QSocketNotifier* notifier_ = nullptr; // child
};
