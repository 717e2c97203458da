#include "editing/gui/Navigator.h"

#include "editing/gui/EditingGlyphs.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace {

constexpr int kLargeurMin = 20;
constexpr int kHauteurMin = 18;

const char* const kNomsGlyphes[kNbBoutonsNav] = {"FIRST", "PRIOR", "NEXT", "LAST", "INSERT", "ADD",
                                                 "DELETE", "EDIT", "POST", "CANCEL", "REFRESH"};

} // namespace

TNavButton::TNavButton(TNavigator& navigateur, TNavigateBtn index)
    : QToolButton(&navigateur), FNavigateur(navigateur), FIndex(index), FNavStyle(index == nbPrior || index == nbNext)
{
    setFocusPolicy(Qt::NoFocus);
    setIcon(GlypheEdition(QStringLiteral("nav_") + QLatin1String(kNomsGlyphes[index])));
    connect(this, &QToolButton::clicked, this, [this] { FNavigateur.BtnClick(FIndex); });
}

void TNavButton::mousePressEvent(QMouseEvent* event)
{
    QToolButton::mousePressEvent(event);
    FNavigateur.BoutonPresse(*this);
    if (FNavStyle && isDown()) {
        if (!FRepeatTimer) {
            FRepeatTimer = new QTimer(this);
            connect(FRepeatTimer, &QTimer::timeout, this, &TNavButton::RepeterClic);
        }
        FRepeatTimer->start(400);
    }
}

void TNavButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (FRepeatTimer)
        FRepeatTimer->stop();
    QToolButton::mouseReleaseEvent(event);
}

void TNavButton::RepeterClic()
{
    if (!FRepeatTimer)
        return;
    // A button disabled or hidden while held (the owner reached the end of
    // its list) never receives the release that would stop the repeat.
    if (!isEnabled() || !isVisible()) {
        FRepeatTimer->stop();
        return;
    }
    FRepeatTimer->setInterval(100);
    // Only while the button is held down with the pointer on it.
    if (isDown())
        FNavigateur.BtnClick(FIndex);
}

void TNavButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (!FNavigateur.hasFocus() || FNavigateur.FocusedButton() != FIndex)
        return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    QRect cadre = rect().adjusted(3, 3, -4, -4);
    if (isDown())
        cadre.translate(1, 1);
    p.drawRect(cadre);
}

TNavigator::TNavigator(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < kNbBoutonsNav; ++i) {
        Buttons[i] = new TNavButton(*this, static_cast<TNavigateBtn>(i));
        Buttons[i]->setToolTip(DefHints()[i]);
        FVisibleButtons.insert(static_cast<TNavigateBtn>(i));
    }
    resize(241, 25);
    Disposer();
    ActiverBoutons();
}

const QStringList& TNavigator::DefHints()
{
    static const QStringList hints{
        QStringLiteral("Premier enregistrement"),   QStringLiteral("Enregistrement précédent"),
        QStringLiteral("Enregistrement suivant"),   QStringLiteral("Dernier enregistrement"),
        QStringLiteral("Insérer enregistrement"),   QStringLiteral("Ajouter enregistrement"),
        QStringLiteral("Supprimer enregistrement"), QStringLiteral("Modifier enregistrement"),
        QStringLiteral("Valider modifications"),    QStringLiteral("Annuler modifications"),
        QStringLiteral("Rafraîchir données"),
    };
    return hints;
}

void TNavigator::SetVisibleButtons(const std::set<TNavigateBtn>& boutons)
{
    FVisibleButtons = boutons;
    for (TNavButton* bouton : Buttons)
        bouton->setVisible(FVisibleButtons.contains(bouton->Index()));
    if (!FVisibleButtons.empty() && !FVisibleButtons.contains(FFocusedButton))
        FFocusedButton = *FVisibleButtons.begin();
    Disposer();
}

void TNavigator::SetHints(const QStringList& hints)
{
    if (hints == DefHints())
        FHints.clear();
    else
        FHints = hints;
    for (int i = 0; i < kNbBoutonsNav; ++i) {
        const bool propre = i < FHints.size() && !FHints[i].isEmpty();
        Buttons[i]->setToolTip(propre ? FHints[i] : DefHints()[i]);
    }
}

void TNavigator::SetFlat(bool flat)
{
    FFlat = flat;
    for (TNavButton* bouton : Buttons)
        bouton->setAutoRaise(flat);
}

void TNavigator::SetAligne(bool aligne)
{
    FAligne = aligne;
    Disposer();
}

void TNavigator::MAJetat(bool deb, bool fin, bool vide)
{
    debliste = deb;
    finliste = fin;
    listevide = vide;
    ActiverBoutons();
}

void TNavigator::ActiverBoutons()
{
    // A disabled bar disables every button through its own state.
    for (TNavButton* bouton : Buttons) {
        bool actif = true;
        switch (bouton->Index()) {
        case nbFirst:
        case nbPrior:
            actif = !debliste;
            break;
        case nbNext:
        case nbLast:
            actif = !finliste;
            break;
        case nbDelete:
            actif = !listevide;
            break;
        default:
            break;
        }
        bouton->setEnabled(actif);
    }
}

void TNavigator::BtnClick(TNavigateBtn index)
{
    if (FOnNavClick)
        FOnNavClick(*this, index);
}

void TNavigator::BoutonPresse(TNavButton& bouton)
{
    ChangerFocus(bouton.Index());
    if ((focusPolicy() & Qt::TabFocus) && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void TNavigator::ChangerFocus(TNavigateBtn index)
{
    const TNavigateBtn ancien = FFocusedButton;
    FFocusedButton = index;
    Buttons[ancien]->update();
    Buttons[index]->update();
}

void TNavigator::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Disposer();
}

void TNavigator::Disposer()
{
    if (FDisposition)
        return;
    FDisposition = true;
    const int n = FVisibleButtons.empty() ? 1 : static_cast<int>(FVisibleButtons.size());
    setMinimumSize(n * kLargeurMin, kHauteurMin);
    int largeur = std::max(width(), n * kLargeurMin);
    const int hauteur = std::max(height(), kHauteurMin);
    if (!FAligne)
        largeur -= largeur % n;
    if (largeur != width() || hauteur != height())
        resize(largeur, hauteur);
    largeur = width();

    FButtonWidth = largeur / n;
    const int reste = largeur - n * FButtonWidth;
    // The pixels left over go one by one to buttons spread along the bar.
    int compteur = n / 2;
    int x = 0;
    for (TNavButton* bouton : Buttons) {
        if (!FVisibleButtons.contains(bouton->Index())) {
            bouton->setGeometry(largeur + 1, 0, FButtonWidth, height());
            continue;
        }
        int plus = 0;
        if (reste != 0) {
            compteur -= reste;
            if (compteur < 0) {
                compteur += n;
                plus = 1;
            }
        }
        bouton->setGeometry(x, 0, FButtonWidth + plus, height());
        x += FButtonWidth + plus;
    }
    FDisposition = false;
}

void TNavigator::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (Buttons[FFocusedButton]->isEnabled())
            BtnClick(FFocusedButton);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        // The nearest visible button on that side; none past the ends.
        const int pas = event->key() == Qt::Key_Left ? -1 : 1;
        for (int i = FFocusedButton + pas; i >= 0 && i < kNbBoutonsNav; i += pas)
            if (FVisibleButtons.contains(static_cast<TNavigateBtn>(i))) {
                ChangerFocus(static_cast<TNavigateBtn>(i));
                break;
            }
        break;
    }
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TNavigator::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        ActiverBoutons();
}

void TNavigator::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    Buttons[FFocusedButton]->update();
}

void TNavigator::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    Buttons[FFocusedButton]->update();
}
