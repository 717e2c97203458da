#include "support/FakePlatformServices.h"

FakePlatformServices::FakePlatformServices() { installServices(this); }

FakePlatformServices::~FakePlatformServices() { installServices(nullptr); }

void FakePlatformServices::showMessage(const QString& text, Icon, const QString&) { messages.push_back(text); }

PlatformServices::Answer FakePlatformServices::ask(const QString& text, Buttons, const QString&)
{
    questions.push_back(text);
    if (answers.empty())
        return Answer::Cancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> FakePlatformServices::inputText(const QString&, const QString& prompt, const QString&)
{
    questions.push_back(prompt);
    if (inputs.empty())
        return std::nullopt;
    QString text = inputs.front().value_or(QString());
    const bool given = inputs.front().has_value();
    inputs.pop_front();
    return given ? std::optional<QString>(text) : std::nullopt;
}

std::optional<QString> FakePlatformServices::nextFileName()
{
    if (fileNames.empty())
        return std::nullopt;
    QString name = fileNames.front().value_or(QString());
    const bool given = fileNames.front().has_value();
    fileNames.pop_front();
    return given ? std::optional<QString>(name) : std::nullopt;
}

std::optional<QString> FakePlatformServices::openFileName(const QString&, const QString& folder, const QString&)
{
    dialogFolders.push_back(folder);
    return nextFileName();
}

std::optional<QString> FakePlatformServices::saveFileName(const QString&, const QString& proposed, const QString&)
{
    dialogFolders.push_back(proposed);
    return nextFileName();
}

std::optional<QString> FakePlatformServices::folderName(const QString&, const QString& folder)
{
    dialogFolders.push_back(folder);
    return nextFileName();
}

void FakePlatformServices::setClipboardText(const QString& text)
{
    clipboard = text;
    clipboardMime.reset();
}

void FakePlatformServices::setClipboardMimeData(std::unique_ptr<QMimeData> data)
{
    clipboard = data ? data->text() : QString();
    clipboardMime = std::move(data);
}

void FakePlatformServices::setClipboardImage(const QImage& image) { clipboardImage = image; }

QString FakePlatformServices::clipboardText() { return clipboard; }

void FakePlatformServices::beginWaitCursor()
{
    ++waitCursorDepth;
    ++waitCursorShown;
}

void FakePlatformServices::endWaitCursor() { --waitCursorDepth; }

bool FakePlatformServices::openUrl(const QUrl& url)
{
    openedUrls.push_back(url);
    return openUrlSucceeds;
}
