#include "drawing/gui/FrmPbx.h"

#include "drawing/DrawingRenderer.h"
#include "util/PlatformServices.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPalette>
#include <QPushButton>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>

// The paint box: hands its painting, mouse and wheel events to the frame.
class TFrmPbx::ZoneDessin : public QWidget {
public:
    ZoneDessin(TFrmPbx& cadre, QWidget* parent) : QWidget(parent), cadre_(cadre)
    {
        setObjectName(QStringLiteral("PBx"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        cadre_.peindre(painter);
    }
    void mousePressEvent(QMouseEvent* event) override { cadre_.boutonEnfonce(event->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* event) override { cadre_.boutonRelache(event->position().toPoint()); }
    void wheelEvent(QWheelEvent* event) override
    {
        cadre_.molette(event->position().toPoint(), event->angleDelta().y());
        event->accept();
    }

private:
    TFrmPbx& cadre_;
};

TFrmPbx::TFrmPbx(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmPbx"));
    PnPbx = new QWidget(this);
    PnPbx->setObjectName(QStringLiteral("PnPbx"));
    PnPbx->setAutoFillBackground(true);
    PBx = new ZoneDessin(*this, PnPbx);
    PnBtn = new QWidget(this);
    PnBtn->setObjectName(QStringLiteral("PnBtn"));
    BtTracePP = new QPushButton(QStringLiteral("Tracé==>PP"), PnBtn);
    BtTracePP->setObjectName(QStringLiteral("BtTracePP"));
    connect(BtTracePP, &QPushButton::clicked, this, [this] { copierDessin(); });
    Trace(QString(), FclrFond);
    placerControles();
}

void TFrmPbx::SetParents(QWidget* F, QWidget* P)
{
    ParentForm_ = F;
    if (parentSurveille_)
        parentSurveille_->removeEventFilter(this);
    parentSurveille_ = P;
    if (P) {
        setParent(P);
        P->installEventFilter(this);
    }
    setVisible(true);
    FrameResize(P);
}

void TFrmPbx::Init(double xmin, double ymin, double xmax, double ymax)
{
    Fxmin = xmin;
    Fymin = ymin;
    Fxmax = xmax;
    Fymax = ymax;
    FrameResize(this);
}

void TFrmPbx::Trace(const QString& txtra, std::uint32_t clrFond) { Trace(txtra, LireCommandesDessin(txtra), clrFond); }

void TFrmPbx::Trace(const QString& txtra, std::vector<InstructionDessin> commandes, std::uint32_t clrFond)
{
    Ftxtra = txtra;
    commandes_ = std::move(commandes);
    FclrFond = clrFond;
    QPalette palette = PnPbx->palette();
    palette.setColor(QPalette::Window, CouleurBGR(clrFond));
    PnPbx->setPalette(palette);
    PBx->update();
}

void TFrmPbx::FrameResize(QObject*)
{
    if (QWidget* p = parentWidget())
        setGeometry(p->contentsRect());
    placerControles();
    vue_ = AjusterVue(Etendue(), size(), PBx->size());
    PBx->update();
}

bool TFrmPbx::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentSurveille_ && watched == parentWidget() && event->type() == QEvent::Resize)
        FrameResize(watched);
    return QWidget::eventFilter(watched, event);
}

void TFrmPbx::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placerControles();
    // Keep the drawing's centre at the centre of the resized area.
    vue_.CtrPBxX = PBx->width() / 2;
    vue_.CtrPBxY = PBx->height() / 2;
}

void TFrmPbx::placerControles()
{
    const int largeur = width();
    const int hauteurDessin = std::max(0, height() - kHauteurBoutons);
    PnPbx->setGeometry(0, 0, largeur, hauteurDessin);
    PBx->setGeometry(0, 0, largeur, hauteurDessin);
    PnBtn->setGeometry(0, hauteurDessin, largeur, kHauteurBoutons);
    const int largeurBouton = std::max(BtTracePP->sizeHint().width(), 90);
    BtTracePP->setGeometry(0, 0, largeurBouton, kHauteurBoutons);
}

void TFrmPbx::peindre(QPainter& painter)
{
    PeindreDessin(painter, commandes_, vue_, PBx->size(), FclrFond);
}

void TFrmPbx::boutonEnfonce(QPoint position)
{
    msposdown = position;
    boutonBas_ = true;
}

void TFrmPbx::boutonRelache(QPoint position)
{
    if (!boutonBas_)
        return;
    boutonBas_ = false;
    DeplacerVue(vue_, msposdown, position);
    PBx->update();
}

void TFrmPbx::molette(QPoint position, int delta)
{
    if (delta == 0)
        return;
    ZoomerVue(vue_, position, delta);
    PBx->update();
}

void TFrmPbx::copierDessin()
{
    services().setClipboardImage(PBx->grab().toImage());
}
