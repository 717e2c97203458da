#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>
#include <optional>

class QMimeData;

// Everything the core asks of the desktop: message boxes, questions, input
// boxes, file dialogs, the clipboard, the wait cursor and the shell's "open".
// The application installs the widget implementation; tests install a scripted
// fake; without either, messages go to standard error and questions are
// answered "Annuler", so a headless run never blocks.
class PlatformServices {
public:
    enum class Icon { None, Information, Warning, Error };
    enum class Answer { Ok, Yes, No, Cancel };
    enum class Buttons { YesNo, YesNoCancel, OkCancel };

    virtual ~PlatformServices() = default;

    virtual void showMessage(const QString& text, Icon icon = Icon::None, const QString& title = {}) = 0;
    virtual Answer ask(const QString& text, Buttons buttons, const QString& title = {}) = 0;
    // A one-line input box; empty when cancelled.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt, const QString& initial) = 0;

    // File dialogs; empty when cancelled. filter reads "Documents (*.Tolvane)".
    virtual std::optional<QString> openFileName(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual std::optional<QString> saveFileName(const QString& title, const QString& proposed, const QString& filter) = 0;
    virtual std::optional<QString> folderName(const QString& title, const QString& folder) = 0;

    virtual void setClipboardText(const QString& text) = 0;
    virtual void setClipboardMimeData(std::unique_ptr<QMimeData> data) = 0;
    virtual void setClipboardImage(const QImage& image) = 0;
    virtual QString clipboardText() = 0;

    // Nested: the cursor comes back when every begin has its end.
    virtual void beginWaitCursor() = 0;
    virtual void endWaitCursor() = 0;

    // The shell's "open" verb; false when nothing could open it.
    virtual bool openUrl(const QUrl& url) = 0;
};

// The services in use for the whole process.
PlatformServices& services();

// Installs the given services (not owned; nullptr restores the headless ones).
void installServices(PlatformServices* platform);

// Shows the wait cursor for the life of the object.
class WaitCursor {
public:
    WaitCursor() { services().beginWaitCursor(); }
    ~WaitCursor() { services().endWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
