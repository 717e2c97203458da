#pragma once

#include <QStringList>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>
#include <set>

// The buttons of the record navigator, in bar order.
enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbAdd, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
inline constexpr int kNbBoutonsNav = 11;

class TNavigator;

// Navigator button.
// One button of the navigator. The previous and next buttons repeat while
// they are held: the first repetition after 400 ms, then every 100 ms.
class TNavButton : public QToolButton {
    Q_OBJECT
public:
    TNavButton(TNavigator& navigateur, TNavigateBtn index);

    TNavigateBtn Index() const { return FIndex; }
    bool Repete() const { return FNavStyle; }
    QTimer* RepeatTimer() const { return FRepeatTimer; }
    // One repetition: clicks again while the button is held down.
    void RepeterClic();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TNavigator& FNavigateur;
    TNavigateBtn FIndex;
    bool FNavStyle = false;
    QTimer* FRepeatTimer = nullptr;
};

// Record navigator.
// A bar of buttons for moving through a list of records and acting on them.
// It holds no list: it reports the button clicked and its owner moves, then
// tells it where the list stands (MAJetat) so that it enables its buttons.
class TNavigator : public QWidget {
    Q_OBJECT
public:
    using TNavClick = std::function<void(TNavigator& Sender, TNavigateBtn Button)>;

    explicit TNavigator(QWidget* parent = nullptr);

    std::set<TNavigateBtn> VisibleButtons() const { return FVisibleButtons; }
    void SetVisibleButtons(const std::set<TNavigateBtn>& boutons);
    // The owner's hints, one per button in bar order; an empty line keeps the
    // default hint.
    QStringList Hints() const { return FHints; }
    void SetHints(const QStringList& hints);
    static const QStringList& DefHints();
    bool Flat() const { return FFlat; }
    void SetFlat(bool flat);
    // Aligned to its parent (placed by a layout): the bar keeps the width it
    // is given and spreads the pixels left over; otherwise it rounds its
    // width down to a whole number of buttons.
    bool Aligne() const { return FAligne; }
    void SetAligne(bool aligne);

    void MAJetat(bool deb, bool fin, bool vide);
    void BtnClick(TNavigateBtn index);
    void setOnClick(TNavClick handler) { FOnNavClick = std::move(handler); }

    TNavButton* Bouton(TNavigateBtn index) const { return Buttons[index]; }
    int ButtonWidth() const { return FButtonWidth; }
    TNavigateBtn FocusedButton() const { return FFocusedButton; }
    // A button was pressed: it takes the bar's focus.
    void BoutonPresse(TNavButton& bouton);

    QSize sizeHint() const override { return {241, 25}; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Disposer();
    void ActiverBoutons();
    void ChangerFocus(TNavigateBtn index);

    std::set<TNavigateBtn> FVisibleButtons;
    QStringList FHints;
    int FButtonWidth = 0;
    TNavClick FOnNavClick;
    TNavigateBtn FFocusedButton = nbFirst;
    bool FFlat = false;
    bool FAligne = false;
    bool debliste = false;
    bool finliste = false;
    bool listevide = false;
    bool FDisposition = false;
    std::array<TNavButton*, kNbBoutonsNav> Buttons{};
};
