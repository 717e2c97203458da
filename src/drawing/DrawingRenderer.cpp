#include "drawing/DrawingRenderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLineF>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

namespace {

// Segments are clipped to the area widened by this margin before they reach the
// painter, so that a far-away end cannot slow it down or overflow it.
constexpr double kMarge = 2000;
constexpr std::int32_t kEpaisseurMax = 1000;
constexpr std::int32_t kHauteurPoliceMax = 2000;
constexpr int kHauteurPoliceDefaut = 12;
// Segments handed to the painter at once, at most.
constexpr std::size_t kLotMax = 16;
// The widest pen, and the longest side of a segment, whose pixels are kept
// to be put down again (see Empreintes).
constexpr std::int32_t kEpaisseurEmpreinteMax = 8;
constexpr int kCoteEmpreinteMax = 256;

// Clips segment a-b to the rectangle (Liang-Barsky); false when nothing is left.
bool decouper(QPointF& a, QPointF& b, const QRectF& r)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF debut = a;
    a = QPointF(debut.x() + t0 * dx, debut.y() + t0 * dy);
    b = QPointF(debut.x() + t1 * dx, debut.y() + t1 * dy);
    return true;
}

// Both ends of a segment on whole pixels, within what an int holds.
bool entrePixelsEntiers(QPointF a, QPointF b)
{
    const auto entier = [](double v) { return v == std::trunc(v) && std::fabs(v) < 1e9; };
    return entier(a.x()) && entier(a.y()) && entier(b.x()) && entier(b.y());
}

// The pixels Qt's raster engine covers when it strokes, without
// antialiasing, a segment between two whole pixels with a round-capped,
// round-joined solid pen: the same for every segment of the same width and
// the same run and rise, moved by whole pixels (the stroke's outline moves
// with the ends and its rasterisation works on whole steps of a pixel). A
// drawing repeats the same segments over and over (the heads of the arrows
// of every section): the first time a segment comes, it is stroked where it
// lies; the second time, it is stroked once more on a scratch image, and the
// rows of pixels it covered there are put down wherever it comes, as
// rectangles of the pen's colour. Same pixels, without stroking and
// rasterising the round ends again.
class Empreintes {
public:
    struct Cle {
        int dx;
        int dy;
        std::int32_t epaisseur;
        bool operator<(const Cle& o) const
        {
            return std::tie(dx, dy, epaisseur) < std::tie(o.dx, o.dy, o.epaisseur);
        }
    };

    // The rectangles of pixels covered by the segment from (0, 0) to (dx, dy);
    // none the first time it is asked for (a segment drawn once is stroked
    // faster where it lies).
    const std::vector<QRect>* empreinte(const Cle& cle)
    {
        const auto [trouve, nouvelle] = empreintes_.try_emplace(cle);
        if (nouvelle)
            return nullptr;
        Empreinte& e = trouve->second;
        if (!e.tracee) {
            e.rectangles = tracer(cle);
            e.tracee = true;
        }
        return &e.rectangles;
    }

private:
    std::vector<QRect> tracer(const Cle& cle)
    {
        // The segment stroked on its own, away from the scratch image's edges.
        const int marge = cle.epaisseur + 2;
        const QSize taille(std::abs(cle.dx) + 2 * marge + 1, std::abs(cle.dy) + 2 * marge + 1);
        if (brouillon_.width() < taille.width() || brouillon_.height() < taille.height()) {
            // Room to spare, so that the image seldom grows again.
            peintre_.reset();
            brouillon_ = QImage((taille * 2).expandedTo(brouillon_.size()).expandedTo(QSize(64, 64)),
                                QImage::Format_RGB32);
        }
        if (!peintre_) {
            peintre_ = std::make_unique<QPainter>(&brouillon_);
            peintre_->setRenderHint(QPainter::Antialiasing, false);
            peintre_->setCompositionMode(QPainter::CompositionMode_SourceOver);
            peintre_->setBrush(Qt::NoBrush);
        }
        peintre_->fillRect(QRect(QPoint(0, 0), taille), Qt::black);
        peintre_->setPen(QPen(Qt::white, cle.epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPoint a(marge + std::max(0, -cle.dx), marge + std::max(0, -cle.dy));
        const QLineF segment(a, a + QPoint(cle.dx, cle.dy));
        peintre_->drawLines(&segment, 1);

        // Row by row, the runs of covered pixels; a run the same as that of
        // the row above lengthens its rectangle.
        std::vector<QRect> rectangles;
        const QRgb blanc = qRgb(255, 255, 255);
        std::size_t rangPrecedent = 0; // first rectangle of the row above
        for (int y = 0; y < taille.height(); ++y) {
            const auto* ligne = reinterpret_cast<const QRgb*>(brouillon_.constScanLine(y));
            const std::size_t rang = rectangles.size();
            int nombre = 0;
            for (int x = 0; x < taille.width();) {
                if (ligne[x] != blanc) {
                    ++x;
                    continue;
                }
                const int debut = x;
                while (x < taille.width() && ligne[x] == blanc)
                    ++x;
                rectangles.emplace_back(QPoint(debut, y) - a, QPoint(x - 1, y) - a);
                ++nombre;
            }
            // One run, as in the row above, which held one: the same rectangle.
            if (nombre == 1 && rang - rangPrecedent == 1 && rectangles[rangPrecedent].bottom() == y - 1 - a.y()
                && rectangles[rangPrecedent].left() == rectangles[rang].left()
                && rectangles[rangPrecedent].right() == rectangles[rang].right()) {
                rectangles[rangPrecedent].setBottom(y - a.y());
                rectangles.pop_back();
                continue;
            }
            rangPrecedent = rang;
        }
        return rectangles;
    }

    struct Empreinte {
        bool tracee = false; // asked for once only, not stroked yet
        std::vector<QRect> rectangles;
    };

    std::map<Cle, Empreinte> empreintes_;
    QImage brouillon_;
    std::unique_ptr<QPainter> peintre_; // on brouillon_, once it is needed
};

class Interprete {
public:
    Interprete(QPainter& painter, const ViewMapping& vue, QSize zone, std::uint32_t clrFond)
        : p_(painter), vue_(vue), zone_(zone), fond_(CouleurBGR(clrFond)),
          limites_(-kMarge, -kMarge, zone.width() + 2 * kMarge, zone.height() + 2 * kMarge)
    {
    }

    void executer(const std::vector<InstructionDessin>& commandes)
    {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setRenderHint(QPainter::TextAntialiasing, true);
        p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p_.setBrush(QBrush(fond_, Qt::SolidPattern));
        p_.fillRect(QRect(QPoint(0, 0), zone_), fond_);
        p_.setBrush(Qt::NoBrush);
        styloChange();
        for (const InstructionDessin& c : commandes)
            executer(c);
        envoyer();
        p_.restore();
    }

private:
    void executer(const InstructionDessin& c)
    {
        using G = InstructionDessin::Genre;
        if (c.genre != G::Point)
            envoyer(); // a new polyline, a new pen or a text: what is held goes first
        switch (c.genre) {
        case G::Ligne:
            leve_ = true;
            break;
        case G::Couleur:
            couleur_ = CouleurBGR(std::uint32_t(c.entier));
            styloChange();
            break;
        case G::Eptrait:
            epaisseur_ = std::clamp(c.entier, 1, kEpaisseurMax);
            styloChange();
            break;
        case G::Repere:
            repere(CouleurBGR(std::uint32_t(c.entier)));
            break;
        case G::Fleche:
            fleche(c.x1, c.y1, c.x2, c.y2);
            break;
        case G::Texte:
            texte(c);
            break;
        case G::Point: {
            const QPointF pixel = vue_.versPixel(c.x1, c.y1);
            if (!leve_)
                trait(position_, pixel);
            position_ = pixel;
            leve_ = false;
            break;
        }
        }
    }

    // A drawing repeats its colour and width lines section after section:
    // the painter is only given a pen that differs from the one it holds
    // (rectangles are filled without one, see remplirRectangles()).
    void appliquerStylo()
    {
        if (couleur_ != couleurStylo_ || epaisseur_ != epaisseurStylo_) {
            stylo_ = QPen(couleur_, epaisseur_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            couleurStylo_ = couleur_;
            epaisseurStylo_ = epaisseur_;
            styloPose_ = false;
        }
        if (styloPose_)
            return;
        p_.setPen(stylo_);
        styloPose_ = true;
        sansStylo_ = false;
    }

    // A new colour or width. On an image the pen is given when segments are
    // about to be stroked (envoyer()); other devices (PDF, SVG) get it as it
    // comes, as their files have always held it.
    void styloChange()
    {
        if (!regrouper_)
            appliquerStylo();
    }

    // A straight segment between two pixels; two equal pixels draw nothing.
    // On an image the segments of one arrow, or of one polyline, go to the
    // painter together (envoyer()): one stroke and one fill instead of one per
    // segment. Other devices (PDF, SVG) get every segment on its own, as
    // their files have always held them.
    void trait(QPointF a, QPointF b)
    {
        if (a == b || !decouper(a, b, limites_))
            return;
        if (horsImage(a, b))
            return;
        if (rectangleDroit(a, b) || empreinte(a, b))
            return;
        lot_.push_back(QLineF(a, b));
        if (!regrouper_ || lot_.size() >= kLotMax)
            envoyer();
    }

    // Deep in a zoom most segments lie out of sight: on an image painted
    // without scaling, one whose pen cannot reach a pixel of the image is not
    // stroked at all (Qt would stroke it, then throw every pixel away).
    bool horsImage(QPointF a, QPointF b) const
    {
        if (!visible_)
            return false;
        const double marge = epaisseur_ + 2;
        return std::max(a.x(), b.x()) < visible_->left() - marge || std::min(a.x(), b.x()) > visible_->right() + marge
            || std::max(a.y(), b.y()) < visible_->top() - marge || std::min(a.y(), b.y()) > visible_->bottom() + marge;
    }

    // A horizontal or vertical segment between whole pixels, one or two
    // pixels wide, covers exactly the pixels of a rectangle. One pixel wide
    // (Qt's cosmetic line), the pixels from one end to the other, both ends
    // included. Two pixels wide, the two rows (or columns) either side of it,
    // one pixel beyond each end: its round ends are discs of radius 1 around a
    // pixel corner, which hold the four pixel centres around that corner and
    // no other (the next ones lie 1.58 away). Filling that rectangle spares Qt
    // the stroke (and the curves of the ends); same colour, same pixels.
    // Elsewhere (other widths, slanting segments, a scaled painter, PDF or
    // SVG) the segment is stroked as usual.
    bool rectangleDroit(QPointF a, QPointF b)
    {
        if (!rectanglesExacts_ || epaisseur_ > 2 || (a.x() != b.x() && a.y() != b.y()))
            return false;
        if (!entrePixelsEntiers(a, b))
            return false;
        const int x0 = int(std::min(a.x(), b.x()));
        const int x1 = int(std::max(a.x(), b.x()));
        const int y0 = int(std::min(a.y(), b.y()));
        const int y1 = int(std::max(a.y(), b.y()));
        const int avant = epaisseur_ == 2 ? 1 : 0;
        remplir(QRect(QPoint(x0 - avant, y0 - avant), QPoint(x1, y1)));
        return true;
    }

    // Pixels of the pen's colour, a rectangle of them, held until the held
    // segments are sent (envoyer()). One that continues the last rectangle
    // (the same columns and the rows just above or below, or the same rows
    // beside it: the steps of an upright or level polyline) joins it. The
    // pen's colour only changes once what is held has been sent.
    void remplir(const QRect& r)
    {
        if (rectangles_.empty()) {
            couleurRectangles_ = couleur_;
        } else {
            QRect& d = rectangles_.back();
            const bool colonnes = r.left() == d.left() && r.right() == d.right() && r.top() <= d.bottom() + 1
                && r.bottom() >= d.top() - 1;
            const bool rangees = r.top() == d.top() && r.bottom() == d.bottom() && r.left() <= d.right() + 1
                && r.right() >= d.left() - 1;
            if (colonnes || rangees) {
                d = d.united(r);
                return;
            }
        }
        rectangles_.push_back(r);
    }

    // The rectangles held, filled together: no pen (it would draw their
    // outlines), a brush of their colour.
    void remplirRectangles()
    {
        if (rectangles_.empty())
            return;
        if (!sansStylo_) {
            p_.setPen(Qt::NoPen);
            sansStylo_ = true;
            styloPose_ = false;
        }
        if (!brossePosee_ || couleurBrosse_ != couleurRectangles_) {
            p_.setBrush(QBrush(couleurRectangles_, Qt::SolidPattern));
            brossePosee_ = true;
            couleurBrosse_ = couleurRectangles_;
        }
        p_.drawRects(rectangles_.data(), int(rectangles_.size()));
        rectangles_.clear();
    }

    // A slanting segment between whole pixels, with a pen wider than one
    // pixel (Qt draws one-pixel pens another, cheaper way), wholly on the
    // image: the pixels its stroke covers are put down (see Empreintes).
    bool empreinte(QPointF a, QPointF b)
    {
        if (!rectanglesExacts_ || epaisseur_ < 2 || epaisseur_ > kEpaisseurEmpreinteMax)
            return false;
        const double dx = b.x() - a.x();
        const double dy = b.y() - a.y();
        if (std::fabs(dx) > kCoteEmpreinteMax || std::fabs(dy) > kCoteEmpreinteMax)
            return false;
        if (!entrePixelsEntiers(a, b))
            return false;
        const double m = epaisseur_ + 2;
        const QRectF& v = *visible_;
        if (std::min(a.x(), b.x()) - m < v.left() || std::max(a.x(), b.x()) + m > v.right()
            || std::min(a.y(), b.y()) - m < v.top() || std::max(a.y(), b.y()) + m > v.bottom())
            return false;
        const std::vector<QRect>* rectangles = empreintes_.empreinte({int(dx), int(dy), epaisseur_});
        if (!rectangles)
            return false;
        const QPoint origine(int(a.x()), int(a.y()));
        for (const QRect& r : *rectangles)
            remplir(r.translated(origine));
        return true;
    }

    // Whether the painter puts a whole pixel of its coordinates on a whole
    // pixel of an image.
    bool pixelsEntiers() const
    {
        if (!visible_)
            return false;
        const auto entier = [](double v) { return v == std::trunc(v); };
        const QTransform& d = p_.deviceTransform();
        const QTransform c = p_.combinedTransform();
        return entier(d.dx()) && entier(d.dy()) && entier(c.dx()) && entier(c.dy());
    }

    // The paint device's area (an image, a widget) in the painter's
    // coordinates, when the painter only translates.
    std::optional<QRectF> image() const
    {
        if (!regrouper_ || !p_.device() || p_.deviceTransform().type() > QTransform::TxTranslate)
            return std::nullopt;
        const QTransform c = p_.combinedTransform();
        if (c.type() > QTransform::TxTranslate)
            return std::nullopt;
        return QRectF(-c.dx(), -c.dy(), p_.device()->width(), p_.device()->height());
    }

    void envoyer()
    {
        if (!lot_.empty()) {
            appliquerStylo();
            p_.drawLines(lot_.data(), int(lot_.size()));
            lot_.clear();
        }
        remplirRectangles();
    }

    void fleche(double x1, double y1, double x2, double y2)
    {
        trait(vue_.versPixel(x1, y1), vue_.versPixel(x2, y2));
        const double dx = x2 - x1;
        const double dy = y2 - y1;
        const double longueur = std::hypot(dx, dy);
        if (!(longueur > 0) || !std::isfinite(longueur))
            return; // no direction: the head has no visible size
        // The head, in drawing units: 10 pixels long, 5 pixels to either side.
        const double ux = dx / longueur;
        const double uy = dy / longueur;
        const double l = vue_.longueurDessin(10);
        const double d = vue_.longueurDessin(5);
        const double bx = x2 - ux * l;
        const double by = y2 - uy * l;
        const QPointF pointe = vue_.versPixel(x2, y2);
        const QPointF gauche = vue_.versPixel(bx - uy * d, by + ux * d);
        const QPointF droite = vue_.versPixel(bx + uy * d, by - ux * d);
        trait(pointe, gauche);
        trait(gauche, droite);
        trait(droite, pointe);
        envoyer();
    }

    void repere(const QColor& couleur)
    {
        const QColor avant = couleur_;
        couleur_ = couleur;
        styloChange();
        const QPointF origine = vue_.versPixel(0, 0);
        const double droite = zone_.width() - 2;
        const double baseX = zone_.width() - 10;
        trait(origine, QPointF(droite, origine.y()));
        trait(QPointF(droite, origine.y()), QPointF(baseX, origine.y() - 5));
        trait(QPointF(baseX, origine.y() - 5), QPointF(baseX, origine.y() + 5));
        trait(QPointF(baseX, origine.y() + 5), QPointF(droite, origine.y()));
        trait(origine, QPointF(origine.x(), 2));
        trait(QPointF(origine.x(), 2), QPointF(origine.x() - 5, 12));
        trait(QPointF(origine.x() - 5, 12), QPointF(origine.x() + 5, 12));
        trait(QPointF(origine.x() + 5, 12), QPointF(origine.x(), 2));
        envoyer();
        couleur_ = avant;
        styloChange();
    }

    void texte(const InstructionDessin& c)
    {
        police_.setFamily(c.police);
        police_.setItalic(c.style.contains(u'I', Qt::CaseInsensitive));
        police_.setBold(c.style.contains(u'G', Qt::CaseInsensitive));
        police_.setUnderline(c.style.contains(u'S', Qt::CaseInsensitive));
        const std::int32_t h = std::clamp(c.hauteur, -kHauteurPoliceMax, kHauteurPoliceMax);
        if (h < 0) {
            police_.setPixelSize(-h); // the height of the characters themselves
        } else if (h > 0) {
            // A positive height is that of the whole character cell.
            police_.setPixelSize(h);
            const int cellule = QFontMetrics(police_, p_.device()).height();
            if (cellule > 0)
                police_.setPixelSize(std::max(1, int(std::lround(double(h) * h / cellule))));
        } else if (police_.pixelSize() <= 0) {
            police_.setPixelSize(kHauteurPoliceDefaut);
        }
        p_.setFont(police_);
        const QFontMetrics fm(police_, p_.device());
        const QPointF coin = vue_.versPixel(c.x1, c.y1);
        const QRectF boite(coin, QSizeF(fm.horizontalAdvance(c.texte), fm.height()));
        // A text far out of the area is not handed to the painter at all.
        if (!boite.intersects(QRectF(QPointF(0, 0), QSizeF(zone_))))
            return;
        p_.fillRect(boite, fond_);
        p_.save();
        p_.setPen(QPen(Qt::black));
        p_.drawText(QPointF(coin.x(), coin.y() + fm.ascent()), c.texte);
        p_.restore();
    }

    QPainter& p_;
    const ViewMapping& vue_;
    QSize zone_;
    QColor fond_;
    QRectF limites_;
    QColor couleur_ = Qt::white;
    std::int32_t epaisseur_ = 1;
    bool leve_ = true;
    QPointF position_;
    QFont police_;
    const bool regrouper_ = p_.paintEngine() && p_.paintEngine()->type() == QPaintEngine::Raster;
    std::vector<QLineF> lot_; // segments not yet handed to the painter
    const std::optional<QRectF> visible_ = image();
    const bool rectanglesExacts_ = pixelsEntiers();
    Empreintes empreintes_;
    std::vector<QRect> rectangles_; // pixels to fill, of one colour
    QColor couleurRectangles_;
    bool brossePosee_ = false; // the brush last given to the painter
    QColor couleurBrosse_;
    QPen stylo_; // of the colour and width below
    QColor couleurStylo_;
    std::int32_t epaisseurStylo_ = 0;
    bool styloPose_ = false; // whether the painter holds stylo_
    bool sansStylo_ = false; // whether it holds no pen
};

} // namespace

QColor CouleurBGR(std::uint32_t couleur)
{
    return QColor(int(couleur & 0xFF), int((couleur >> 8) & 0xFF), int((couleur >> 16) & 0xFF));
}

void PeindreDessin(QPainter& painter, const std::vector<InstructionDessin>& commandes, const ViewMapping& vue,
                   QSize zone, std::uint32_t clrFond)
{
    Interprete(painter, vue, zone, clrFond).executer(commandes);
}

void PeindreDessin(QPainter& painter, const QString& txtra, const ViewMapping& vue, QSize zone,
                   std::uint32_t clrFond)
{
    PeindreDessin(painter, LireCommandesDessin(txtra), vue, zone, clrFond);
}

void PeindreDessinAjuste(QPainter& painter, const QString& txtra, const EtendueDessin& etendue, QSize zone,
                         std::uint32_t clrFond)
{
    PeindreDessin(painter, txtra, AjusterVue(etendue, zone, zone), zone, clrFond);
}
