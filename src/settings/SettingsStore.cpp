#include "settings/SettingsStore.h"

#include "util/TextFields.h"

QString SettingsStore::value(const QString& key) const
{
    const auto found = entries_.find(key);
    return found == entries_.end() ? QString() : found->second;
}

void SettingsStore::setValue(const QString& key, const QString& value)
{
    // The key keeps its first spelling: a form that writes "winltwh" updates
    // the "WinLTWH" it read instead of adding a second entry.
    const auto found = entries_.find(key);
    if (found != entries_.end())
        found->second = value;
    else
        entries_.emplace(key, value);
}

QString CleValeur(const QString& formKey, const QString& valueName) { return formKey + kTab + valueName; }
