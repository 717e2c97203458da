#pragma once

#include "util/ObjetEdite.h"

#include <QString>

// Tab object.
// What a tab of a document carries: the general page (a plain object named
// "PG") or a calculation. nomtab is the tab's caption. The undo history and
// the tab lists name tabs by serial number, hence the edited-object base.
class TObjTab : public TObjetEdite {
public:
    TObjTab() = default;
    explicit TObjTab(QString nom) : nomtab(std::move(nom)) {}
    virtual ~TObjTab() = default;
    TObjTab(const TObjTab&) = delete;
    TObjTab& operator=(const TObjTab&) = delete;

    // A copy is named after its source with "(2)" appended.
    virtual void Assign(const TObjTab& src) { nomtab = src.nomtab + QStringLiteral("(2)"); }

    QString nomtab;
};
