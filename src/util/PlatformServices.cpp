#include "util/PlatformServices.h"

#include <QMimeData>
#include <cstdio>

namespace {

// Used by the command-line tool and whenever nothing else is installed: it
// keeps nothing (the scripted services of the tests are the ones that record),
// writes messages to standard error and declines every question.
class HeadlessServices final : public PlatformServices {
public:
    void showMessage(const QString& text, Icon, const QString&) override
    {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
    Answer ask(const QString& text, Buttons buttons, const QString&) override
    {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> folderName(const QString&, const QString&) override { return {}; }
    void setClipboardText(const QString&) override {}
    void setClipboardMimeData(std::unique_ptr<QMimeData>) override {}
    void setClipboardImage(const QImage&) override {}
    QString clipboardText() override { return {}; }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
    bool openUrl(const QUrl&) override { return false; }
};

HeadlessServices headless;
PlatformServices* installed = nullptr;

} // namespace

PlatformServices& services() { return installed ? *installed : headless; }

void installServices(PlatformServices* platform) { installed = platform; }
