#pragma once

#include <QString>

class SettingsStore;

// The per-user hierarchical store (QSettings, native format) that stands for
// the registry keys "\Software\Vok\<application>" and, read only,
// "\Software\Tasq\<application>". A numbered configuration is the subgroup
// "CONFIG_n" of the application key; each form is a subgroup of its
// configuration, holding its values as strings.

inline const QString kOrganisation = QStringLiteral("Vok");
inline const QString kOrganisationPrecedente = QStringLiteral("Tasq");

// Fills the store from the application key under "Vok", or under "Tasq" when
// "Vok" has nothing yet. The configuration key is read when it exists, else
// the application key itself, so that a new configuration starts from
// configuration 0. Its own values enter under their bare names, those of each
// subgroup S under S + TAB + name; one level only.
void LireRegistre(const QString& appName, const QString& configKey, SettingsStore& store);

// Writes every entry as a string under "Vok" (followed by the configuration
// key when not empty), whichever root was read. Values absent from the store
// are left as they are. Throws EInOutError with a French message.
void EcrireRegistre(const QString& appName, const QString& configKey, const SettingsStore& store);
