#include "util/TextFiles.h"

#include "util/AnsiCodePage.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QThread>
#include <algorithm>

namespace {

void sleepWait(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

RetryWait& retryWait()
{
    static RetryWait wait = sleepWait;
    return wait;
}

bool allAscii(const QByteArray& bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool decodeStrict(QStringDecoder::Encoding encoding, QByteArrayView bytes, QString& text)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

void setFileRetryWait(RetryWait wait) { retryWait() = std::move(wait); }

void resetFileRetryWait() { retryWait() = sleepWait; }

QString DecoderTexte(const QByteArray& bytes)
{
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        decodeStrict(QStringDecoder::Utf8, QByteArrayView(bytes).sliced(3), text);
        return text;
    }
    if (bytes.startsWith("\xFF\xFE")) {
        decodeStrict(QStringDecoder::Utf16LE, QByteArrayView(bytes).sliced(2), text);
        return text;
    }
    if (bytes.startsWith("\xFE\xFF")) {
        decodeStrict(QStringDecoder::Utf16BE, QByteArrayView(bytes).sliced(2), text);
        return text;
    }
    if (!allAscii(bytes) && decodeStrict(QStringDecoder::Utf8, bytes, text))
        return text;
    return AnsiCodePage::toUnicode(bytes);
}

QString LireFichierTexte(const QString& fileName, FileOpenMode /*mode*/)
{
    if (!QFileInfo::exists(fileName))
        return {};
    QString lastError;
    int waited = 0;
    for (int attempt = 1;; ++attempt) {
        QFile file(fileName);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            if (file.error() == QFileDevice::NoError)
                return DecoderTexte(bytes);
        }
        lastError = file.errorString();
        const int wait = std::min(attempt * 500, kFileReadMaxWaitMs);
        if (waited + wait > kFileReadRetryBudgetMs)
            break;
        retryWait()(wait);
        waited += wait;
    }
    throw EInOutError(QStringLiteral("Impossible de lire le fichier \"%1\" : %2").arg(fileName, lastError));
}

void EcrireFichierTexte(const QString& text, const QString& fileName)
{
    // Text files written here (the default calculation) can be made again: a
    // folder that refuses new files but lets this one be rewritten still works.
    FileWriteOptions options;
    options.directWriteFallback = true;
    if (const auto failure = writeFileAtomically(fileName, AnsiCodePage::fromUnicode(text), options))
        throw EInOutError(QStringLiteral("Impossible d'écrire le fichier \"%1\" : %2").arg(fileName, *failure));
}
