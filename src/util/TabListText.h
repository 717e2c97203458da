#pragma once

#include "util/ObjetEdite.h"

#include <QList>
#include <QString>
#include <QStringList>

// The text of a tab list, as the tab strip gives it and as a document's tab
// checksum is taken from: the captions separated by CR LF, a TAB, then the
// objects' serial numbers in decimal separated by single spaces ("0" for a tab
// without object). One writer, so that the strip and a document without strip
// fingerprint the same tabs alike.
QString TexteListeOnglets(const QStringList& noms, const QList<const TObjetEdite*>& objets);

// An object's identity in a tab list, and back: the live object with that
// serial number, nullptr for "0", garbage or an object that was freed.
QString IdentiteOnglet(const TObjetEdite* objet);
TObjetEdite* ObjetDIdentiteOnglet(const QString& identite);
