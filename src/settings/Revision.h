#pragma once

#include <QString>

// "Révision a.b.c.d" from a version of one to four numbers ("0.1.0" gives
// "Révision 0.1.0.0"); "informations de révision non accessibles" when the
// version is not such a text.
QString TexteRevision(const QString& version);

// The revision of this build of the application.
QString NumRevision();

// Whether the revision window shows itself at start-up. The user may ask not
// to see it any more for the running revision; the next revision shows it
// again, since the stored value names the revision it was asked for.
class TChoixRevision {
public:
    explicit TChoixRevision(QString revision) : FRevision(std::move(revision)) {}

    const QString& Revision() const { return FRevision; }

    // The settings were read: the box is ticked when the stored value names
    // this revision exactly.
    void Charger(const QString& valeurStockee);
    bool NePlusAfficher() const { return FNePlusAfficher; }
    void setNePlusAfficher(bool coche) { FNePlusAfficher = coche; }

    // True once per run, when the settings were read and the user did not
    // ask to stop the start-up display for this revision.
    bool AfficherAuDemarrage();

    // The value kept in the settings: the revision when the box is ticked,
    // an empty text otherwise, so that unticking the box is kept as well.
    QString ValeurARanger() const { return FNePlusAfficher ? FRevision : QString(); }

private:
    QString FRevision;
    bool FNePlusAfficher = false;
    bool FInitial = false;
};
