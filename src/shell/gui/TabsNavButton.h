#pragma once

#include <QAbstractButton>
#include <memory>

class QTimer;
class QPainter;

// Tab strip navigation button.
// One of the four navigation buttons of a tab strip ("DEB", "PREC", "SVT",
// "FIN"). Held pressed, it repeats its click: first after 400 ms, then every
// 100 ms, while it stays pressed under the mouse.
class TTabsNavButton : public QAbstractButton {
    Q_OBJECT
public:
    // FIndex from 1 ("DEB") to 4 ("FIN").
    TTabsNavButton(int FIndex, QWidget* parent);
    ~TTabsNavButton() override;

    int Index() const { return FIndex; }
    // "DEB", "PREC", "SVT" or "FIN".
    static QString NomBouton(int FIndex);

    // Created at the first press; nullptr before.
    QTimer* RepeatTimer() const { return FRepeatTimer.get(); }

    QSize sizeHint() const override;

    // Draws the button's arrow, in the text colour when enabled and in the
    // disabled colour otherwise.
    static void DessinerGlyphe(QPainter& p, const QRect& zone, int FIndex, const QColor& couleur);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Repeter();

    int FIndex;
    std::unique_ptr<QTimer> FRepeatTimer;
};
