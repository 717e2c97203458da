#include "util/PlatformServices.h"

#include <QMimeData>
#include <cstdio>

namespace {

// Used by the command-line tool and whenever nothing else is installed.
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
    void setClipboardText(const QString& text) override { clipboard_ = text; }
    void setClipboardMimeData(std::unique_ptr<QMimeData> data) override
    {
        if (data)
            clipboard_ = data->text();
    }
    void setClipboardImage(const QImage&) override {}
    QString clipboardText() override { return clipboard_; }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
    bool openUrl(const QUrl&) override { return false; }

private:
    QString clipboard_;
};

HeadlessServices headless;
PlatformServices* installed = nullptr;

} // namespace

PlatformServices& services() { return installed ? *installed : headless; }

void installServices(PlatformServices* platform) { installed = platform; }
