#include "util/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

bool MesureChasseFixe(const QFont& police)
{
    // Narrow and wide letters in both cases, figures, punctuation and space:
    // a proportional font gives "i" and "W" different widths.
    static const QString kEchantillon = QStringLiteral("iIlW mM0.,:|_-=éà ");
    const QFontMetricsF mesure(police);
    const qreal largeur = mesure.horizontalAdvance(kEchantillon.at(0));
    if (!(largeur > 0))
        return false;
    for (const QChar c : kEchantillon) {
        if (std::abs(mesure.horizontalAdvance(c) - largeur) > 0.01 * largeur)
            return false;
    }
    return true;
}

QFont PoliceChasseFixe(int taillePoints)
{
    auto aLaTaille = [taillePoints](QFont police) {
        police.setPointSize(taillePoints);
        return police;
    };

    const QFont systeme = aLaTaille(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    if (MesureChasseFixe(systeme))
        return systeme;

    static const QStringList kFamillesUsuelles = {
        QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
        QStringLiteral("Nimbus Mono PS"),   QStringLiteral("Courier New"),
        QStringLiteral("Noto Sans Mono"),   QStringLiteral("Monospace"),
    };
    const QStringList installees = QFontDatabase::families();
    for (const QString& famille : kFamillesUsuelles) {
        if (!installees.contains(famille, Qt::CaseInsensitive))
            continue;
        QFont police = aLaTaille(QFont(famille));
        police.setStyleHint(QFont::TypeWriter);
        if (MesureChasseFixe(police))
            return police;
    }
    for (const QString& famille : installees) {
        QFont police = aLaTaille(QFont(famille));
        if (MesureChasseFixe(police))
            return police;
    }
    return systeme;
}
