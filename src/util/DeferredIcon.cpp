#include "util/DeferredIcon.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
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

class MoteurIconeDeFichiers : public QIconEngine {
public:
    explicit MoteurIconeDeFichiers(QList<TImageIcone> images)
        : FImages(std::move(images))
        , FDecodees(FImages.size(), false)
    {
    }
    MoteurIconeDeFichiers(const MoteurIconeDeFichiers&) = default;

    // As QIcon's own engine paints: the picture for the rectangle's size in
    // the device's pixels, drawn over the rectangle.
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice* appareil = painter->device();
        const qreal echelle = appareil ? appareil->devicePixelRatio() : qApp->devicePixelRatio();
        const QPixmap image = scaledPixmap(rect.size() * echelle, mode, state, echelle);
        painter->drawPixmap(rect, image);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return avec(size).pixmap(size, 1.0, mode, state);
    }
    // QIcon has already multiplied the size by the scale, as it asks its own engine.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal /*scale*/) override
    {
        return avec(size).pixmap(size, 1.0, mode, state);
    }
    // Known without decoding: the chosen picture's size, brought within the
    // size asked.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const qsizetype i = choix(size);
        if (i < 0)
            return {};
        QSize taille = FImages[i].taille;
        if (taille.width() > size.width() || taille.height() > size.height())
            taille.scale(size, Qt::KeepAspectRatio);
        return taille;
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> tailles;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (const TImageIcone& image : FImages)
                tailles.append(image.taille);
        return tailles;
    }
    bool isNull() override { return FImages.isEmpty(); }
    QString key() const override { return QStringLiteral("IconeDeFichiers"); }
    QIconEngine* clone() const override { return new MoteurIconeDeFichiers(*this); }

private:
    static qint64 aire(const QSize& s) { return qint64(s.width()) * s.height(); }

    // The picture QIcon chooses for that size: the smallest whose area is at
    // least the size's, else the largest; -1 without pictures.
    qsizetype choix(const QSize& size) const
    {
        const qint64 voulue = aire(size);
        qsizetype plusPetiteSuffisante = -1;
        qsizetype plusGrande = -1;
        for (qsizetype i = 0; i < FImages.size(); ++i) {
            const qint64 a = aire(FImages[i].taille);
            if (a >= voulue && (plusPetiteSuffisante < 0 || a < aire(FImages[plusPetiteSuffisante].taille)))
                plusPetiteSuffisante = i;
            if (plusGrande < 0 || a > aire(FImages[plusGrande].taille))
                plusGrande = i;
        }
        return plusPetiteSuffisante >= 0 ? plusPetiteSuffisante : plusGrande;
    }

    // The icon of the pictures decoded so far, with the one chosen for that
    // size: among them QIcon chooses that same picture.
    const QIcon& avec(const QSize& size)
    {
        const qsizetype i = choix(size);
        if (i >= 0 && !FDecodees[i]) {
            FDecodees[i] = true;
            ajouter(FImages[i]);
        }
        return FPartielle;
    }

    // What QIcon::addFile adds, read by the reader of the format the file's
    // name gives. QIcon's reader also asks every image plugin whether it
    // reads the file, which loads them all, though PNG needs none. On a
    // screen of higher resolution QIcon also looks for a "@2x" file: it adds
    // the file itself then, as it would.
    void ajouter(const TImageIcone& image)
    {
        if (qApp->devicePixelRatio() == 1.0) {
            QImageReader lecteur(image.fichier, QFileInfo(image.fichier).suffix().toLower().toLatin1());
            lecteur.setAutoDetectImageFormat(false);
            QImage lue;
            while (lecteur.read(&lue)) {
                if (lue.size() == image.taille) {
                    FPartielle.addPixmap(QPixmap::fromImage(std::move(lue)));
                    return;
                }
            }
        }
        FPartielle.addFile(image.fichier, image.taille);
    }

    QList<TImageIcone> FImages;
    QList<bool> FDecodees;
    QIcon FPartielle;
};

} // namespace

QIcon IconeDeFichiers(QList<TImageIcone> images) { return QIcon(new MoteurIconeDeFichiers(std::move(images))); }

QIcon IconeDifferee(std::function<QIcon()> dessiner) { return QIcon(new MoteurIconeDifferee(std::move(dessiner))); }
