#pragma once

#include "drawing/DrawingCommands.h"
#include "drawing/ViewMapping.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <vector>

class QPushButton;

// Drawing frame.
// The drawing frame: shows a drawing command text fitted to its size, pans
// with a mouse drag, zooms with the wheel around the cursor, and copies what
// it shows to the clipboard as a picture ("Tracé==>PP"). It knows nothing of
// what it draws. The program has one, which its owner moves between panels.
class TFrmPbx : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHauteurBoutons = 23;

    explicit TFrmPbx(QWidget* parent = nullptr);

    // Records the host form, moves the frame into P, shows it and refits it;
    // from then on the frame refits itself whenever P is resized.
    void SetParents(QWidget* F, QWidget* P);
    // Records the drawing's extent and refits.
    void Init(double xmin, double ymin, double xmax, double ymax);
    // Records the command text and the background colour (0x00BBGGRR), repaints.
    void Trace(const QString& txtra, std::uint32_t clrFond);
    // The same with the commands of txtra already read (LireCommandesDessin),
    // so that a large drawing is not read twice.
    void Trace(const QString& txtra, std::vector<InstructionDessin> commandes, std::uint32_t clrFond);
    // Takes the parent's size, recomputes scale and centre (discarding any pan
    // or zoom) and repaints.
    void FrameResize(QObject* Sender = nullptr);

    QWidget* ParentForm() const { return ParentForm_; }
    EtendueDessin Etendue() const { return {Fxmin, Fymin, Fxmax, Fymax}; }
    const QString& Texte() const { return Ftxtra; }
    std::uint32_t CouleurFond() const { return FclrFond; }
    const ViewMapping& Vue() const { return vue_; }

    // The drawing area, the button bar and its button.
    QWidget* PnPbx = nullptr;
    QWidget* PBx = nullptr;
    QWidget* PnBtn = nullptr;
    QPushButton* BtTracePP = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class ZoneDessin;
    friend class ZoneDessin;

    void placerControles();
    void peindre(QPainter& painter);
    void boutonEnfonce(QPoint position);
    void boutonRelache(QPoint position);
    void molette(QPoint position, int delta);
    void copierDessin();

    QPointer<QWidget> ParentForm_;
    QPointer<QWidget> parentSurveille_;
    double Fxmin = 0;
    double Fymin = 0;
    double Fxmax = 0;
    double Fymax = 0;
    QString Ftxtra;
    std::vector<InstructionDessin> commandes_;
    std::uint32_t FclrFond = 0xFFFFFF;
    ViewMapping vue_;
    QPoint msposdown;
    bool boutonBas_ = false;
};
