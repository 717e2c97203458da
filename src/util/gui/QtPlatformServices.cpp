#include "util/gui/QtPlatformServices.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>

namespace {

QString captionOr(const QString& title) { return title.isEmpty() ? QStringLiteral("Tolvane") : title; }

} // namespace

void QtPlatformServices::showMessage(const QString& text, Icon icon, const QString& title)
{
    QMessageBox box(parent_);
    box.setWindowTitle(captionOr(title));
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

PlatformServices::Answer QtPlatformServices::ask(const QString& text, Buttons buttons, const QString& title)
{
    QMessageBox box(parent_);
    box.setWindowTitle(captionOr(title));
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    switch (buttons) {
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
    }
}

std::optional<QString> QtPlatformServices::inputText(const QString& title, const QString& prompt,
                                                     const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtPlatformServices::openFileName(const QString& title, const QString& folder,
                                                        const QString& filter)
{
    const QString name = QFileDialog::getOpenFileName(parent_, title, folder, filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtPlatformServices::saveFileName(const QString& title, const QString& proposed,
                                                        const QString& filter)
{
    const QString name = QFileDialog::getSaveFileName(parent_, title, proposed, filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtPlatformServices::folderName(const QString& title, const QString& folder)
{
    const QString name = QFileDialog::getExistingDirectory(parent_, title, folder);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

void QtPlatformServices::setClipboardText(const QString& text) { QApplication::clipboard()->setText(text); }

void QtPlatformServices::setClipboardMimeData(std::unique_ptr<QMimeData> data)
{
    QApplication::clipboard()->setMimeData(data.release()); // the clipboard takes ownership
}

void QtPlatformServices::setClipboardImage(const QImage& image) { QApplication::clipboard()->setImage(image); }

QString QtPlatformServices::clipboardText() { return QApplication::clipboard()->text(); }

void QtPlatformServices::beginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtPlatformServices::endWaitCursor() { QApplication::restoreOverrideCursor(); }

bool QtPlatformServices::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }
