#pragma once

#include "util/PlatformServices.h"

#include <QMimeData>
#include <deque>
#include <memory>
#include <vector>

// Scripted desktop for tests: records every message and question, answers from
// queues (Cancel / nothing when a queue is empty) and keeps the clipboard.
// Installed for its lifetime.
class FakePlatformServices final : public PlatformServices {
public:
    FakePlatformServices();
    ~FakePlatformServices() override;

    std::vector<QString> messages;
    std::vector<QString> questions;
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<std::optional<QString>> fileNames;
    // The folder (or proposed path) each file or folder dialog opened on.
    std::vector<QString> dialogFolders;
    QString clipboard;
    std::unique_ptr<QMimeData> clipboardMime;
    QImage clipboardImage;
    int waitCursorDepth = 0;
    int waitCursorShown = 0;
    std::vector<QUrl> openedUrls;
    bool openUrlSucceeds = true;

    void showMessage(const QString& text, Icon icon, const QString& title) override;
    Answer ask(const QString& text, Buttons buttons, const QString& title) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt, const QString& initial) override;
    std::optional<QString> openFileName(const QString& title, const QString& folder, const QString& filter) override;
    std::optional<QString> saveFileName(const QString& title, const QString& proposed, const QString& filter) override;
    std::optional<QString> folderName(const QString& title, const QString& folder) override;
    void setClipboardText(const QString& text) override;
    void setClipboardMimeData(std::unique_ptr<QMimeData> data) override;
    void setClipboardImage(const QImage& image) override;
    QString clipboardText() override;
    void beginWaitCursor() override;
    void endWaitCursor() override;
    bool openUrl(const QUrl& url) override;

private:
    std::optional<QString> nextFileName();
};
