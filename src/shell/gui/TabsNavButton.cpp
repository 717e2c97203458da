#include "shell/gui/TabsNavButton.h"

#include "shell/TabStripGeometry.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QTimer>

using namespace TabStripGeometry;

TTabsNavButton::TTabsNavButton(int FIndex, QWidget* parent)
    : QAbstractButton(parent)
    , FIndex(FIndex)
{
    setObjectName(QStringLiteral("TABSNAVBUTTON_") + NomBouton(FIndex));
    setFocusPolicy(Qt::NoFocus);
    static const char* const bulles[] = {"Premier onglet", "Onglet précédent", "Onglet suivant", "Dernier onglet"};
    if (FIndex >= 1 && FIndex <= kNbBoutons)
        setToolTip(QString::fromUtf8(bulles[FIndex - 1]));
    resize(kTailleBouton, kTailleBouton);
}

TTabsNavButton::~TTabsNavButton() = default;

QString TTabsNavButton::NomBouton(int FIndex)
{
    static const char* const noms[] = {"DEB", "PREC", "SVT", "FIN"};
    return FIndex >= 1 && FIndex <= kNbBoutons ? QString::fromLatin1(noms[FIndex - 1]) : QString();
}

QSize TTabsNavButton::sizeHint() const
{
    return {kTailleBouton, kTailleBouton};
}

void TTabsNavButton::mousePressEvent(QMouseEvent* event)
{
    QAbstractButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !isDown())
        return;
    if (!FRepeatTimer) {
        FRepeatTimer = std::make_unique<QTimer>();
        connect(FRepeatTimer.get(), &QTimer::timeout, this, &TTabsNavButton::Repeter);
    }
    FRepeatTimer->setInterval(kPremierDelaiMs);
    FRepeatTimer->start();
}

void TTabsNavButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (FRepeatTimer && event->button() == Qt::LeftButton)
        FRepeatTimer->stop();
    QAbstractButton::mouseReleaseEvent(event);
}

void TTabsNavButton::Repeter()
{
    FRepeatTimer->setInterval(kDelaiMs);
    // Only while the pointer still holds the button down over it.
    if (isDown())
        emit clicked();
}

void TTabsNavButton::DessinerGlyphe(QPainter& p, const QRect& zone, int FIndex, const QColor& couleur)
{
    // A triangle 4 pixels wide and 7 high, with a 2-pixel bar beside it for
    // the buttons that go to an end of the row.
    const int cy = zone.top() + zone.height() / 2;
    const bool versGauche = FIndex == 1 || FIndex == 2;
    const bool barre = FIndex == 1 || FIndex == 4;
    const int largeurTotale = barre ? 4 + 1 + 2 : 4;
    const int gauche = zone.left() + (zone.width() - largeurTotale) / 2;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    int xTriangle = gauche;
    if (barre && versGauche) {
        p.drawRect(gauche, cy - 3, 2, 7);
        xTriangle = gauche + 3;
    }
    for (int col = 0; col < 4; ++col) {
        // The column nearest the tip is one pixel high, the widest seven.
        const int demi = versGauche ? col : 3 - col;
        p.drawRect(xTriangle + col, cy - demi, 1, 2 * demi + 1);
    }
    if (barre && !versGauche)
        p.drawRect(xTriangle + 5, cy - 3, 2, 7);
    p.restore();
}

void TTabsNavButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    const QPalette& pal = palette();
    p.fillRect(r, pal.button());

    // Raised when up, sunken when held down, like a desktop speed button.
    const bool enfonce = isDown();
    const QColor hautGauche = enfonce ? pal.color(QPalette::Dark) : pal.color(QPalette::Light);
    const QColor basDroite = enfonce ? pal.color(QPalette::Light) : pal.color(QPalette::Dark);
    p.setPen(hautGauche);
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(basDroite);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());

    const QColor couleur = isEnabled() ? pal.color(QPalette::Active, QPalette::ButtonText)
                                       : pal.color(QPalette::Disabled, QPalette::ButtonText);
    const QRect zoneGlyphe = enfonce ? r.translated(1, 1) : r;
    DessinerGlyphe(p, zoneGlyphe, FIndex, couleur);
}
