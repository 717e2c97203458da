#pragma once

#include "util/PlatformServices.h"

class QWidget;

// The desktop services with Qt's own dialogs, clipboard and cursor.
class QtPlatformServices final : public PlatformServices {
public:
    // Dialogs are centred on the parent (the main window), which may change.
    void setDialogParent(QWidget* parent) { parent_ = parent; }

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
    QWidget* parent_ = nullptr;
};
