#include "settings/RegistrySettings.h"

#include "settings/SettingsStore.h"
#include "util/Errors.h"
#include "util/TextFields.h"

#include <QSettings>
#include <cstring>
#include <memory>
#include <optional>

namespace {

std::unique_ptr<QSettings> ApplicationKey(const QString& organisation, const QString& appName)
{
    auto settings =
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organisation, appName);
    // Only the user's own settings: not the system-wide files nor the
    // organisation's common one.
    settings->setFallbacksEnabled(false);
    return settings;
}

// The text of a stored value as the registry would give it: strings as they
// are, integers in decimal, 8 raw bytes as a double; other kinds and empty
// values are skipped.
std::optional<QString> TexteValeur(const QVariant& value)
{
    QString text;
    switch (value.typeId()) {
    case QMetaType::QString:
        text = value.toString();
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        text = value.toString();
        break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        if (bytes.size() != sizeof(double))
            return std::nullopt;
        double number = 0;
        std::memcpy(&number, bytes.constData(), sizeof number);
        text = TexteReel(number);
        break;
    }
    default:
        return std::nullopt;
    }
    if (text.isEmpty())
        return std::nullopt;
    return text;
}

void LireValeurs(QSettings& key, const QString& prefix, SettingsStore& store)
{
    for (const QString& name : key.childKeys())
        if (const std::optional<QString> text = TexteValeur(key.value(name)))
            store.setValue(prefix + name, *text);
}

} // namespace

void LireRegistre(const QString& appName, const QString& configKey, SettingsStore& store)
{
    std::unique_ptr<QSettings> key = ApplicationKey(kOrganisation, appName);
    if (key->allKeys().isEmpty())
        key = ApplicationKey(kOrganisationPrecedente, appName);
    if (!configKey.isEmpty() && key->childGroups().contains(configKey))
        key->beginGroup(configKey);

    LireValeurs(*key, QString(), store);
    for (const QString& subkey : key->childGroups()) {
        key->beginGroup(subkey);
        LireValeurs(*key, subkey + kTab, store);
        key->endGroup();
    }
}

void EcrireRegistre(const QString& appName, const QString& configKey, const SettingsStore& store)
{
    std::unique_ptr<QSettings> key = ApplicationKey(kOrganisation, appName);
    const auto failure = [&key](const QString& reason) {
        return EInOutError(
            QStringLiteral("Impossible d'enregistrer les réglages dans \"%1\" : %2").arg(key->fileName(), reason));
    };
    if (!key->isWritable())
        throw failure(QStringLiteral("accès refusé"));

    const QString base = configKey.isEmpty() ? QString() : configKey + u'/';
    for (const auto& [entry, value] : store.entries()) {
        const qsizetype tab = entry.indexOf(kTab);
        // A value found directly under the configuration key goes back there.
        if (tab < 0) {
            key->setValue(base + entry, value);
            continue;
        }
        const QString subkey = entry.left(tab);
        const QString name = entry.mid(tab + 1);
        // A nameless value has no place among named ones.
        if (name.isEmpty())
            continue;
        key->setValue(base + (subkey.isEmpty() ? name : subkey + u'/' + name), value);
    }
    key->sync();
    switch (key->status()) {
    case QSettings::NoError:
        return;
    case QSettings::AccessError:
        throw failure(QStringLiteral("accès refusé"));
    case QSettings::FormatError:
        throw failure(QStringLiteral("le fichier existant est illisible"));
    }
}
