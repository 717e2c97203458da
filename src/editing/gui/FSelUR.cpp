#include "editing/gui/FSelUR.h"

#include <QCursor>
#include <QEventLoop>
#include <QFontMetrics>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int kHauteurLigne = 17;
constexpr int kHauteurMarge = 19;

// Draws a row: bold italic for the steps that will be done.
class DessinLigneUR final : public QStyledItemDelegate {
public:
    explicit DessinLigneUR(TFSelUR& form) : QStyledItemDelegate(&form), form_(form) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        form_.LBactW = option.rect.width();
        QFont police = option.font;
        const bool aFaire = index.row() < form_.Fsavix;
        police.setBold(aFaire);
        police.setItalic(aFaire);
        painter->save();
        painter->fillRect(option.rect, option.palette.color(QPalette::Base));
        painter->setFont(police);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignTop, index.data().toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kHauteurLigne};
    }

private:
    TFSelUR& form_;
};

} // namespace

TFSelUR::TFSelUR(QWidget* parent) : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(14);
    setFont(police);
    resize(175, 313);

    LB = new QListWidget(this);
    LB->setObjectName(QStringLiteral("LB"));
    LB->setFrameShape(QFrame::NoFrame);
    LB->setSelectionMode(QAbstractItemView::SingleSelection);
    LB->setUniformItemSizes(true);
    LB->setItemDelegate(new DessinLigneUR(*this));
    LB->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LB->setMouseTracking(true);
    LB->viewport()->setMouseTracking(true);
    LB->viewport()->installEventFilter(this);
    setMouseTracking(true);

    PnMrg = new QWidget(this);
    PnMrg->setObjectName(QStringLiteral("PnMrg"));
    PnMrg->setAutoFillBackground(true);
    PnMrg->setBackgroundRole(QPalette::Base);
    PnMrg->setMouseTracking(true);
    PnMrg->installEventFilter(this);

    TimRpt.setInterval(200);
    connect(&TimRpt, &QTimer::timeout, this, [this] { Repeter(QCursor::pos()); });
}

void TFSelUR::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LB->setGeometry(0, 0, width(), height() - kHauteurMarge);
    PnMrg->setGeometry(0, height() - kHauteurMarge, width(), kHauteurMarge);
}

void TFSelUR::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    TimRpt.stop();
    emit ferme();
}

bool TFSelUR::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == LB->viewport() || objet == PnMrg) {
        auto* cible = static_cast<QWidget*>(objet);
        if (event->type() == QEvent::MouseMove) {
            SourisBouge(cible->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()));
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            SourisRelachee(cible->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()));
            return true;
        }
    }
    return QWidget::eventFilter(objet, event);
}

void TFSelUR::mouseMoveEvent(QMouseEvent* event) { SourisBouge(event->position().toPoint()); }

void TFSelUR::mouseReleaseEvent(QMouseEvent* event) { SourisRelachee(event->position().toPoint()); }

int TFSelUR::LigneA(const QPoint& pos) const
{
    const QPoint dansListe = LB->viewport()->mapFrom(this, pos);
    const QModelIndex index = LB->indexAt(dansListe);
    if (index.isValid())
        return index.row();
    return dansListe.y() < 0 ? 0 : LB->count();
}

void TFSelUR::SourisBouge(const QPoint& pos)
{
    if (!rect().contains(pos)) {
        close();
        return;
    }
    if (pos.x() >= LBactW)
        return;
    const int ligne = LigneA(pos);
    if (ligne + 1 != Fsavix) {
        Fsavix = ligne + 1;
        LB->viewport()->update();
    }
}

void TFSelUR::SourisRelachee(const QPoint& pos)
{
    if (!rect().contains(pos) || pos.x() >= LBactW)
        return;
    Fnbsel = LigneA(pos);
    close();
}

void TFSelUR::Repeter(const QPoint& posEcran)
{
    if (mapFromGlobal(posEcran).y() < PnMrg->y())
        return;
    if (Fsavix < LB->count() - 1) {
        ++Fsavix;
        LB->scrollToItem(LB->item(Fsavix));
        LB->viewport()->update();
    }
}

int SelUR(QWidget* DC, int X, int Y, const QString& texte, int hauteur, int largeurMin, int largeurMax)
{
    TFSelUR form;
    if (DC)
        form.LB->setFont(DC->font());
    QString lignes = texte;
    lignes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!lignes.isEmpty())
        form.LB->addItems(lignes.split(u'\n'));

    form.move(X - 1, Y - 1);
    if (hauteur > 0)
        form.resize(form.width(), hauteur);
    const QFontMetrics mesure(form.LB->font());
    int plusLarge = 0;
    for (int i = 0; i < form.LB->count(); ++i)
        plusLarge = std::max(plusLarge, mesure.horizontalAdvance(form.LB->item(i)->text()));
    // What the list's client area lacks of the form: its scroll bar, when the
    // rows do not fit.
    const bool defilement = form.LB->count() * kHauteurLigne > form.height() - kHauteurMarge;
    const int bordure = defilement ? form.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, form.LB) : 0;
    int largeur = std::max(bordure + plusLarge + 5, largeurMin);
    if (largeurMax > 0)
        largeur = std::min(largeur, largeurMax);
    form.resize(largeur, form.height());
    // The list fills the form's width; its own geometry follows only once the
    // form is shown, and the pointer may move before the rows are painted.
    form.LBactW = largeur - bordure;

    QCursor::setPos(X + largeur / 2, Y + 5);
    QEventLoop boucle;
    QObject::connect(&form, &TFSelUR::ferme, &boucle, &QEventLoop::quit);
    form.show();
    form.activateWindow();
    form.TimRpt.start();
    if (form.isVisible())
        boucle.exec();
    return form.Fnbsel;
}
