#include "shell/TabStripContent.h"

#include "util/TabListText.h"

#include "util/Errors.h"

namespace {

// Captions travel as CR LF separated lines: a line break inside one would
// split it into two tabs and shift every object after it.
QString CaptionSansSaut(const QString& value)
{
    QString caption = value;
    caption.replace(u'\r', u' ');
    caption.replace(u'\n', u' ');
    return caption;
}

} // namespace

void TabStripContent::VerifierIndex(int index, int limite) const
{
    if (index < 0 || index >= limite)
        throw ERangeError(QStringLiteral("Onglet %1 inexistant (%2 onglets)").arg(index).arg(TabsCount()));
}

int TabStripContent::AddTabObjet(const QString& value, TObjetEdite* Obj)
{
    const int index = TabsCount();
    InsertTabObjet(index, value, Obj);
    return index;
}

void TabStripContent::InsertTabObjet(int index, const QString& value, TObjetEdite* Obj)
{
    VerifierIndex(index, TabsCount() + 1);
    FTabs.insert(index, CaptionSansSaut(value));
    Fobjets.insert(index, Obj);
    FSelTabs.insert(index, kNonSelectionne);
}

void TabStripContent::DeleteTab(int index)
{
    VerifierIndex(index, TabsCount());
    FTabs.removeAt(index);
    Fobjets.removeAt(index);
    FSelTabs.remove(index, 1);
}

QString TabStripContent::GetTab(int index) const
{
    VerifierIndex(index, TabsCount());
    return FTabs.at(index);
}

void TabStripContent::SetTab(int index, const QString& value)
{
    VerifierIndex(index, TabsCount());
    FTabs[index] = CaptionSansSaut(value);
}

TObjetEdite* TabStripContent::GetObjet(int index) const
{
    VerifierIndex(index, TabsCount());
    return Fobjets.at(index);
}

void TabStripContent::SetObjet(int index, TObjetEdite* value)
{
    VerifierIndex(index, TabsCount());
    Fobjets[index] = value;
}

int TabStripContent::IndexObjet(const TObjetEdite* Obj) const
{
    return static_cast<int>(Fobjets.indexOf(Obj));
}

bool TabStripContent::GetSelection(int index) const
{
    return index >= 0 && index < FSelTabs.size() && FSelTabs.at(index) != kNonSelectionne;
}

void TabStripContent::SetSelection(int index, bool value)
{
    VerifierIndex(index, TabsCount());
    if (value) {
        FSelTabs.replace(kAncre, kSelectionne);
        FSelTabs[index] = kAncre;
    } else {
        FSelTabs[index] = kNonSelectionne;
    }
}

void TabStripContent::DeSelect()
{
    FSelTabs.fill(kNonSelectionne);
}

void TabStripContent::InfoSelection(int& ixdebsel0, int& nbsel) const
{
    ixdebsel0 = -1;
    nbsel = 0;
    for (int i = 0; i < FSelTabs.size(); ++i) {
        if (FSelTabs.at(i) == kNonSelectionne)
            continue;
        if (ixdebsel0 < 0)
            ixdebsel0 = i;
        ++nbsel;
    }
}

void TabStripContent::SetSelTabs(const QString& marks)
{
    FSelTabs = marks.left(TabsCount()).leftJustified(TabsCount(), kNonSelectionne);
}

bool TabStripContent::ExisteTab(const QString& nom) const
{
    return FTabs.contains(nom, Qt::CaseInsensitive);
}

QString TabStripContent::TCtoStr(bool ycsel, int premierTab) const
{
    QString texte = TexteListeOnglets(FTabs, QList<const TObjetEdite*>(Fobjets.cbegin(), Fobjets.cend()));
    if (ycsel)
        texte += u'\t' + QString::number(premierTab) + u'\t' + FSelTabs;
    return texte;
}

QString TabStripContent::IdentiteTexte(const TObjetEdite* Obj) { return IdentiteOnglet(Obj); }

TObjetEdite* TabStripContent::ObjetDeTexte(const QString& identite) { return ObjetDIdentiteOnglet(identite); }
