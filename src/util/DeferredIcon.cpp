#include "util/DeferredIcon.h"

#include <QIconEngine>
#include <utility>

namespace {

class MoteurIconeDifferee : public QIconEngine {
public:
    explicit MoteurIconeDifferee(std::function<QIcon()> dessiner) : FDessiner(std::move(dessiner)) {}
    MoteurIconeDifferee(const MoteurIconeDifferee&) = default;

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icone().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icone().pixmap(size, 1.0, mode, state);
    }
    // QIcon has already multiplied the size by the scale: the drawn icon is
    // asked for that many pixels, as QIcon asks its own engine.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal /*scale*/) override
    {
        return icone().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icone().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icone().availableSizes(mode, state);
    }
    // Asked by every button's size hint: answered without drawing.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("IconeDifferee"); }
    QIconEngine* clone() const override { return new MoteurIconeDifferee(*this); }

private:
    const QIcon& icone()
    {
        if (FDessiner) {
            FIcone = FDessiner();
            FDessiner = nullptr;
        }
        return FIcone;
    }

    std::function<QIcon()> FDessiner;
    QIcon FIcone;
};

} // namespace

QIcon IconeDifferee(std::function<QIcon()> dessiner) { return QIcon(new MoteurIconeDifferee(std::move(dessiner))); }
