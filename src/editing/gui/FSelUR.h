#pragma once

#include <QTimer>
#include <QWidget>

class QListWidget;

// Undo/redo step chooser.
// The borderless popup that lists the labels of the undo (or redo) records:
// the row under the pointer and every row above it, the steps that will be
// done, are written in bold italic; releasing the button chooses; moving the
// pointer out of the popup closes it with nothing chosen. Holding the pointer
// over the bottom margin scrolls down one row every 200 ms.
class TFSelUR : public QWidget {
    Q_OBJECT
public:
    explicit TFSelUR(QWidget* parent = nullptr);

    QListWidget* LB = nullptr;
    QWidget* PnMrg = nullptr;
    QTimer TimRpt;
    int LBactW = 0; // width of the drawn rows
    int Fsavix = 0; // rows highlighted: index of the row under the pointer + 1
    int Fnbsel = -1; // row chosen, -1 for none

    // The handlers, with the pointer in the popup's coordinates.
    void SourisBouge(const QPoint& pos);
    void SourisRelachee(const QPoint& pos);
    // One tick of the scrolling timer with the pointer at this screen point.
    void Repeter(const QPoint& posEcran);

signals:
    void ferme();

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The row at a point of the popup; below the last row counts as the row
    // after the last.
    int LigneA(const QPoint& pos) const;
};

// Shows the popup with one row per line of texte, its top-left corner at
// (X − 1, Y − 1), waits while it is open and returns the chosen row counting
// from 0, or −1. hauteur: its height when positive; its width fits the
// longest row between largeurMin and largeurMax (when positive).
int SelUR(QWidget* DC, int X, int Y, const QString& texte, int hauteur, int largeurMin, int largeurMax);
