#include "shell/gui/TabStripAccessible.h"

#include "shell/gui/CustomTabsXo.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace {

// One tab of a strip. It is no object of its own: it names a tab by its index,
// as long as the strip has that tab.
class AccessibleOnglet final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleOnglet(TCustomTabsXo* bande, int index) : bande_(bande), index_(index) {}

    bool isValid() const override { return bande_ && index_ < bande_->TabsCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bande_ ? bande_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bande_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return {};
        return bande_->GetTab(index_);
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QPoint coin = bande_->mapToGlobal(QPoint(bande_->GaucheOnglet(index_), bande_->MargeHaute()));
        return {coin, QSize(bande_->LargeurOnglet(index_), bande_->TabsHeight())};
    }

    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QAccessible::State state() const override
    {
        QAccessible::State etat;
        if (!isValid()) {
            etat.invalid = true;
            return etat;
        }
        etat.selectable = true;
        etat.selected = bande_->GetSelection(index_);
        // A tab scrolled out of the zone is not on the screen.
        const int gauche = bande_->GaucheOnglet(index_);
        etat.invisible = !bande_->isVisible() || index_ < bande_->PremierTab() || gauche >= bande_->ZoneTabsWidth();
        etat.offscreen = etat.invisible;
        etat.disabled = !bande_->isEnabled();
        return etat;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction() && isValid() && bande_->isEnabled())
            bande_->CliquerOnglet(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TCustomTabsXo> bande_;
    int index_;
};

// The strip: its tabs, then its navigation buttons.
class AccessibleBandeOnglets final : public QAccessibleWidget {
public:
    explicit AccessibleBandeOnglets(TCustomTabsXo* bande) : QAccessibleWidget(bande, QAccessible::PageTabList) {}

    ~AccessibleBandeOnglets() override
    {
        for (const QAccessible::Id id : std::as_const(enfants_))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return bande()->TabsCount() + QAccessibleWidget::childCount(); }

    QAccessibleInterface* child(int index) const override
    {
        const int onglets = bande()->TabsCount();
        if (index < 0)
            return nullptr;
        if (index >= onglets)
            return QAccessibleWidget::child(index - onglets);
        if (const auto id = enfants_.value(index, 0))
            return QAccessible::accessibleInterface(id);
        auto* onglet = new AccessibleOnglet(bande(), index);
        enfants_.insert(index, QAccessible::registerAccessibleInterface(onglet));
        return onglet;
    }

    int indexOfChild(const QAccessibleInterface* enfant) const override
    {
        if (enfant && enfant->role() == QAccessible::PageTab) {
            for (auto it = enfants_.cbegin(); it != enfants_.cend(); ++it)
                if (QAccessible::accessibleInterface(it.value()) == enfant)
                    return it.key() < bande()->TabsCount() ? it.key() : -1;
            return -1;
        }
        const int i = QAccessibleWidget::indexOfChild(enfant);
        return i < 0 ? -1 : i + bande()->TabsCount();
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* enfant = child(i);
            if (enfant && !enfant->state().invisible && enfant->rect().contains(x, y))
                return enfant;
        }
        return nullptr;
    }

private:
    TCustomTabsXo* bande() const { return static_cast<TCustomTabsXo*>(widget()); }

    mutable QHash<int, QAccessible::Id> enfants_;
};

QAccessibleInterface* fabrique(const QString&, QObject* objet)
{
    if (auto* bande = qobject_cast<TCustomTabsXo*>(objet))
        return new AccessibleBandeOnglets(bande);
    return nullptr;
}

} // namespace

void InstallerAccessibiliteOnglets()
{
    static const bool installe = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    (void)installe;
}
