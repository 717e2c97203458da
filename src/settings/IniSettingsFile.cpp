#include "settings/IniSettingsFile.h"

#include "settings/SettingsStore.h"
#include "util/AnsiCodePage.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"
#include "util/TextFields.h"

#include <QDir>
#include <pwd.h>
#include <unistd.h>

namespace {

QByteArray EncoderTexteIni(const QString& text)
{
    const QByteArray ansi = AnsiCodePage::fromUnicode(text);
    if (AnsiCodePage::toUnicode(ansi) == text)
        return ansi;
    // A file name in Greek or Polish among the recent files would otherwise
    // come back as question marks.
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace

QString NomUtilisateur()
{
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

QString NomFichierIniUtilisateur(const QString& folder, const QString& appName, const QString& configKey)
{
    QString name = appName + u'_' + NomUtilisateur().toUpper();
    if (!configKey.isEmpty())
        name += u'_' + configKey;
    return QDir(folder).filePath(name + QStringLiteral(".INI"));
}

QString TexteIni(const SettingsStore& store)
{
    QString text;
    for (const auto& [key, value] : store.entries())
        text += key + kCrLf + BlocDelimite(value);
    return text;
}

void LireTexteIni(QString text, SettingsStore& store)
{
    while (!text.isEmpty()) {
        const QString key = ExtraireLigne(text);
        if (key.isEmpty())
            break;
        store.setValue(key, ExtraireBloc(text));
    }
}

void EcrireFichierIni(const QString& fileName, const QString& text)
{
    if (const auto failure = writeFileAtomically(fileName, EncoderTexteIni(text)))
        throw EInOutError(
            QStringLiteral("Impossible d'enregistrer les réglages dans le fichier \"%1\" : %2").arg(fileName, *failure));
}
