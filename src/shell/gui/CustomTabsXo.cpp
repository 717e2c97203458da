#include "shell/gui/CustomTabsXo.h"

#include "shell/TabStripGeometry.h"
#include "shell/TabStripSelection.h"
#include "shell/gui/TabStripAccessible.h"
#include "shell/gui/TabsNavButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

using namespace TabStripGeometry;

TCustomTabsXo::TCustomTabsXo(QWidget* parent)
    : QWidget(parent)
{
    // Drawn by the strip itself: its tabs reach assistive technologies only
    // through the strip's own accessibility tree.
    InstallerAccessibiliteOnglets();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    FRptTimer.setInterval(kPremierDelaiMs);
    connect(&FRptTimer, &QTimer::timeout, this, &TCustomTabsXo::TickGlissement);

    for (int i = 0; i < kNbBoutons; ++i) {
        Fbtns[i] = new TTabsNavButton(i + 1, this);
        connect(Fbtns[i], &QAbstractButton::clicked, this, [this, i] { Naviguer(i + 1); });
    }

    resize(241, FMargeHaute + kSupplementHauteur);
    FTabsHeight = height() - kReserveHauteur;
    AjusterGeometrie();
}

TCustomTabsXo::~TCustomTabsXo() = default;

// ---------------------------------------------------------------- tabs

int TCustomTabsXo::AddTabObjet(const QString& value, TObjetEdite* Obj)
{
    const int index = FContenu.AddTabObjet(value, Obj);
    AjusterPremier(index);
    Change();
    update();
    return index;
}

void TCustomTabsXo::InsertTabObjet(int index, const QString& value, TObjetEdite* Obj)
{
    FContenu.InsertTabObjet(index, value, Obj);
    AjusterPremier(index);
    Change();
    update();
}

void TCustomTabsXo::DeleteTab(int index)
{
    FContenu.DeleteTab(index);
    const int nombre = TabsCount();
    if (nombre > 0 && index == FPremierTab && FPremierTab > 0)
        --FPremierTab;
    // Never leave the row scrolled past its last tab: the strip would look empty.
    FPremierTab = std::clamp(FPremierTab, 0, std::max(nombre - 1, 0));
    AjusterGeometrie();
    Change();
    update();
}

void TCustomTabsXo::SetTab(int index, const QString& value)
{
    FContenu.SetTab(index, value);
    AjusterGeometrie();
    update();
}

void TCustomTabsXo::SetSelection(int index, bool value)
{
    FContenu.SetSelection(index, value);
    update();
}

void TCustomTabsXo::DeSelect()
{
    FContenu.DeSelect();
    update();
}

TTabsNavButton* TCustomTabsXo::GetBtn(int index) const
{
    return index >= 0 && index < kNbBoutons ? Fbtns[index] : nullptr;
}

void TCustomTabsXo::Naviguer(int FIndex)
{
    if (FIndex < 1 || FIndex > kNbBoutons)
        return;
    const auto largeurs = Largeurs();
    FPremierTab = TabStripGeometry::Naviguer(largeurs, FPremierTab, ZoneTabsWidth(), static_cast<Bouton>(FIndex));
    AjusterGeometrie();
    update();
}

// ---------------------------------------------------------------- events

bool TCustomTabsXo::CanChangeSel(int, const QString&)
{
    return true;
}

void TCustomTabsXo::Change()
{
    if (FOnChange)
        FOnChange(*this);
}

void TCustomTabsXo::ChangeSel()
{
    if (FOnChangeSel)
        FOnChangeSel(*this);
}

// ---------------------------------------------------------------- geometry

void TCustomTabsXo::setMargeHaute(int v)
{
    FMargeHaute = std::max(v, 0);
    AjusterGeometrie();
    update();
}

void TCustomTabsXo::setTabsHeight(int v)
{
    FTabsHeight = std::min(std::max(v, kHauteurOngletMin), height() - kReserveHauteur);
    update();
}

void TCustomTabsXo::setTabsBoutons(bool v)
{
    FTabsBoutons = v;
    AjusterGeometrie();
    update();
}

// Taken from the current width, so that it holds even before a hidden strip
// receives its resize event.
int TCustomTabsXo::ZoneTabsWidth() const
{
    return width() - kReserveBoutons;
}

int TCustomTabsXo::LargeurOnglet(int i) const
{
    if (i < 0 || i >= TabsCount())
        return kLargeurParDefaut;
    return fontMetrics().horizontalAdvance(FContenu.GetTab(i)) + kMargeTexte;
}

std::vector<int> TCustomTabsXo::Largeurs() const
{
    std::vector<int> largeurs(static_cast<std::size_t>(TabsCount()));
    for (int i = 0; i < TabsCount(); ++i)
        largeurs[static_cast<std::size_t>(i)] = LargeurOnglet(i);
    return largeurs;
}

int TCustomTabsXo::GaucheOnglet(int ix) const
{
    const auto largeurs = Largeurs();
    return TabStripGeometry::GaucheOnglet(largeurs, FPremierTab, std::clamp(ix, 0, TabsCount()));
}

void TCustomTabsXo::AjusterPremier(int ix)
{
    const auto largeurs = Largeurs();
    FPremierTab = TabStripGeometry::AjusterPremier(largeurs, FPremierTab, ZoneTabsWidth(), ix);
    AjusterGeometrie();
}

QSize TCustomTabsXo::sizeHint() const
{
    return {std::max(241, minimumWidth()), FMargeHaute + kSupplementHauteur};
}

QSize TCustomTabsXo::minimumSizeHint() const
{
    return minimumSize();
}

// The strip is never narrower than its first visible tab plus the buttons, nor
// lower than its tabs; in the button style the tabs are centred when the strip
// is higher than they need.
void TCustomTabsXo::AjusterGeometrie()
{
    setMinimumSize(LargeurOnglet(FPremierTab) + kSupplementLargeur, FMargeHaute + kSupplementHauteur);
    if (FTabsBoutons) {
        const int marge = std::max(0, std::min(FMargeHaute, (height() - 22) / 2));
        if (marge != FMargeHaute) {
            FMargeHaute = marge;
            setMinimumSize(LargeurOnglet(FPremierTab) + kSupplementLargeur, FMargeHaute + kSupplementHauteur);
        }
    }
    PlacerBoutons();
}

void TCustomTabsXo::PlacerBoutons()
{
    for (int i = 0; i < kNbBoutons; ++i)
        Fbtns[i]->setGeometry(width() - kGaucheBoutons + kTailleBouton * i, FMargeHaute + kHautBoutons, kTailleBouton,
                              kTailleBouton);
}

void TCustomTabsXo::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    AjusterGeometrie();
}

void TCustomTabsXo::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        AjusterGeometrie();
        update();
    }
}

// ---------------------------------------------------------------- mouse

void TCustomTabsXo::Selectionner(int ix, Qt::KeyboardModifiers Shift)
{
    if (ix < 0 || ix >= TabsCount())
        return;
    const QString S = MarquesApresClic(FContenu.SelTabs(), ix,
                                       ModeSelection(Shift.testFlag(Qt::ControlModifier), Shift.testFlag(Qt::ShiftModifier)),
                                       FMultiSelect);
    if (!CanChangeSel(ix, S))
        return;
    if (FOnSelectTab) {
        for (int i = 0; i < S.size(); ++i) {
            if (S.at(i) == TabStripContent::kNonSelectionne)
                continue;
            bool CanSelect = true;
            FOnSelectTab(i, CanSelect);
            if (!CanSelect)
                return;
        }
    }
    FContenu.SetSelTabs(S);
    AjusterPremier(ix);
    ChangeSel();
    update();
}

void TCustomTabsXo::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    const int x = event->position().toPoint().x();
    XmsDown = x;
    const auto largeurs = Largeurs();
    const int ix = OngletSousX(largeurs, FPremierTab, ZoneTabsWidth(), x);
    if (ix >= 0)
        Selectionner(ix, event->modifiers());
    else
        update();
}

void TCustomTabsXo::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint pos = event->position().toPoint();
    if (!QRect(0, 0, ZoneTabsWidth(), height()).contains(pos) || std::abs(pos.x() - XmsDown) <= kSeuilGlissement)
        return;
    FXGlissement = pos.x();
    if (!FRptTimer.isActive()) {
        FRptTimer.setInterval(kPremierDelaiMs);
        FRptTimer.start();
    }
    const auto largeurs = Largeurs();
    const Depot depot = CalculerDepot(largeurs, FPremierTab, ZoneTabsWidth(), pos.x());
    FMoveTabs = depot.moveTabs;
    const bool change = depot.position != FdraggingTabsIndex;
    FdraggingTabsIndex = depot.position;
    if (change && FMoveTabs == 0)
        update();
}

void TCustomTabsXo::TickGlissement()
{
    FRptTimer.setInterval(kDelaiMs);
    const auto largeurs = Largeurs();
    if (!DefilementPossible(largeurs, FPremierTab, ZoneTabsWidth(), FMoveTabs))
        return;
    FPremierTab += FMoveTabs;
    AjusterGeometrie();
    // The marker follows the pointer, which now lies over another tab.
    FdraggingTabsIndex = CalculerDepot(Largeurs(), FPremierTab, ZoneTabsWidth(), FXGlissement).position;
    update();
}

void TCustomTabsXo::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && FRptTimer.isActive()) {
        const int position = FdraggingTabsIndex;
        FRptTimer.stop();
        FRptTimer.setInterval(kPremierDelaiMs);
        FdraggingTabsIndex = -1;
        FMoveTabs = 0;
        update();
        if (FOnDropTabs && position >= 0)
            FOnDropTabs(position);
    }
    update();
}

// ---------------------------------------------------------------- painting

void TCustomTabsXo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (!FTabsBoutons)
        PeindreClasseur(p);
    p.setClipRect(QRect(0, 0, ZoneTabsWidth(), height()));
    PeindreOnglets(p, FTabsBoutons);
    PeindreMarqueDepot(p);
    p.setClipping(false);
}

// Notebook style: the tabs hang below two lines drawn across the strip.
void TCustomTabsXo::PeindreClasseur(QPainter& p)
{
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, FMargeHaute, width() - 1, FMargeHaute);
    p.setPen(palette().color(QPalette::Shadow));
    p.drawLine(0, FMargeHaute + 1, width() - 1, FMargeHaute + 1);
}

namespace {

// A frame on the edge of r; a thick pen spreads on both sides of it, so the
// caption keeps a pixel of room inside a selected tab's frame.
void DessinerCadre(QPainter& p, const QRect& r, int epaisseur, const QColor& couleur)
{
    p.setPen(QPen(couleur, epaisseur, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1));
}

// Notebook tab with 3-D edges; a selected tab rises into the lines above it.
void DessinerOngletClasseur(QPainter& p, const QRect& r, bool selectionne, const QPalette& pal)
{
    const int haut = selectionne ? r.top() : r.top() + 2;
    const int gauche = r.left();
    const int droite = r.right();
    const int bas = r.bottom();
    if (selectionne)
        p.fillRect(QRect(gauche + 1, r.top(), r.width() - 2, 2), pal.window());
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(gauche, haut, gauche, bas - 2);
    p.drawPoint(gauche + 1, bas - 1);
    p.setPen(pal.color(QPalette::Shadow));
    p.drawLine(gauche + 2, bas, droite - 2, bas);
    p.drawLine(droite, haut, droite, bas - 2);
    p.drawPoint(droite - 1, bas - 1);
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(droite - 1, haut, droite - 1, bas - 2);
    p.drawLine(gauche + 2, bas - 1, droite - 2, bas - 1);
}

} // namespace

void TCustomTabsXo::PeindreOnglets(QPainter& p, bool styleBoutons)
{
    const QPalette& pal = palette();
    int x = 0;
    for (int i = FPremierTab; i < TabsCount() && x < ZoneTabsWidth(); ++i) {
        p.setPen(pal.color(QPalette::WindowText));
        p.setBrush(pal.window());
        p.setFont(font());
        bool PeindreFond = false;
        if (FOnDrawTab)
            FOnDrawTab(i, p, PeindreFond);
        // What the handler chose: the pen colour writes the caption, the brush
        // fills the background when asked.
        const QColor couleurTexte = p.pen().color();
        const QBrush fond = p.brush();
        const QFont police = p.font();

        const int w = LargeurOnglet(i);
        const QRect rectOnglet(x, FMargeHaute, w - 1, FTabsHeight);
        const bool selectionne = FContenu.GetSelection(i);
        if (styleBoutons)
            DessinerCadre(p, rectOnglet.adjusted(2, 2, -2, -2), selectionne ? 3 : 1, pal.color(QPalette::WindowText));
        else
            DessinerOngletClasseur(p, rectOnglet, selectionne, pal);

        const QRect rectTexte = rectOnglet.adjusted(4, 4, -4, -4);
        if (PeindreFond)
            p.fillRect(rectTexte, fond);
        p.save();
        p.setClipRect(rectTexte, Qt::IntersectClip);
        p.setPen(couleurTexte);
        p.setFont(police);
        p.drawText(rectTexte.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, FContenu.GetTab(i));
        p.restore();
        x += w;
    }
}

// During a drag, a black bar 3 pixels wide at the gap where the tabs would go.
void TCustomTabsXo::PeindreMarqueDepot(QPainter& p)
{
    if (FdraggingTabsIndex < FPremierTab || FdraggingTabsIndex > TabsCount())
        return;
    // A gap beyond the zone is shown at the zone's right end.
    const int bord = GaucheOnglet(FdraggingTabsIndex);
    const int gauche = std::clamp(bord - 1, 0, std::max(ZoneTabsWidth() - 3, 0));
    p.fillRect(QRect(gauche, FMargeHaute, 3, FTabsHeight), Qt::black);
}
