#pragma once

#include <QString>

class SettingsStore;

// The settings kept in a text file instead of the per-user store: for each
// entry, in key order, the key on one line and the value in a delimited block,
// so that values holding line breaks come back unchanged.

// folder/<appName>_<USER>[_<configKey>].INI, the user name in upper case.
QString NomFichierIniUtilisateur(const QString& folder, const QString& appName, const QString& configKey);

// The logged-on user's name.
QString NomUtilisateur();

QString TexteIni(const SettingsStore& store);

// Adds the pairs of the text to the store; an empty key line or the end of the
// text ends the list.
void LireTexteIni(QString text, SettingsStore& store);

// Replaces the file with the text, in the ANSI code page when every character
// fits in it, else in UTF-8 with its byte-order mark so that nothing is lost.
// The previous file stays as it was unless the new one is complete. Throws
// EInOutError with a French message that gives the system's reason.
void EcrireFichierIni(const QString& fileName, const QString& text);
