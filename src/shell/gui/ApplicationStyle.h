#pragma once

#include <QProxyStyle>

// The application's style: the one Qt chose for the platform, with two
// changes that alter no pixel.
// - The standard icons of the menu bar and the tool bars decode their
//   pictures when first shown (IconeStandard). Qt's style decodes every
//   picture of the bars' extension arrows as the bars are built, though they
//   show only when the window is narrower than its menus; and the first
//   picture Qt's image reader reads opens every image plugin of the system,
//   to ask each whether it reads that file. Built this way, the bars read no
//   picture, and the plugins are opened on the start-up's second thread
//   (PreparerApplication).
// - The group boxes' frames and the tool bars are painted in bands of a few
//   rows. Qt's raster engine hands any fill of 96 spans (pieces of rows) or
//   more to its thread pool, in parts, and waits for them: for these thin
//   frames and lines the hand-over costs far more than the fill (at the
//   first paint, the pool's threads are even started for it). The main
//   window's first paint made 70 such hand-overs.
class TStyleApplication : public QProxyStyle {
public:
    // Takes `base` (which must not be null), as QProxyStyle does.
    explicit TStyleApplication(QStyle* base);

    QIcon standardIcon(StandardPixmap icone, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

    // Rows of one band. The raster engine keeps a fill of fewer than 96
    // spans on the painting thread: a row of a group box's frame has two
    // (its sides), a row of a tool bar up to three (its lines). Each band
    // draws the element again, so the bands are as tall as that allows.
    static constexpr int kLignesParBandeCadre = 40;
    static constexpr int kLignesParBandeBarre = 24;
};
