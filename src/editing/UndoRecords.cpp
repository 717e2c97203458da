#include "editing/UndoRecords.h"

#include <algorithm>

namespace {

constexpr QChar kEchappement{0x0004};

bool estControleUR(QChar c) { return c.unicode() >= 1 && c.unicode() <= 4; }

} // namespace

QString ReferenceSerie(TNumeroSerie numero) { return QString::number(numero, 16).toUpper(); }

TNumeroSerie LireReference(QStringView texte)
{
    bool ok = false;
    const qulonglong valeur = texte.trimmed().toULongLong(&ok, 16);
    return ok ? TNumeroSerie{valeur} : 0;
}

QString ProtegerTexteUR(const QString& texte)
{
    if (std::none_of(texte.cbegin(), texte.cend(), estControleUR))
        return texte;
    QString sortie;
    sortie.reserve(texte.size() + 8);
    for (const QChar c : texte) {
        if (estControleUR(c)) {
            sortie += kEchappement;
            sortie += QChar(u'0' + c.unicode());
        } else {
            sortie += c;
        }
    }
    return sortie;
}

QString RestaurerTexteUR(const QString& texte)
{
    if (!texte.contains(kEchappement))
        return texte;
    QString sortie;
    sortie.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte.at(i);
        if (c == kEchappement && i + 1 < texte.size()) {
            const char16_t chiffre = texte.at(i + 1).unicode();
            if (chiffre >= u'1' && chiffre <= u'4') {
                sortie += QChar(chiffre - u'0');
                ++i;
                continue;
            }
        }
        sortie += c;
    }
    return sortie;
}

QString ConstruireEnregUR(QChar genre, const QString& libelle, const QString& objets, const QString& donnees)
{
    QString enreg;
    enreg.reserve(libelle.size() + objets.size() + donnees.size() + 3);
    enreg += genre;
    enreg += libelle;
    enreg += kSepChamp;
    enreg += objets;
    enreg += kSepChamp;
    enreg += donnees;
    return enreg;
}

QString ExtraireJusqua(QString& texte, QChar separateur)
{
    const qsizetype pos = texte.indexOf(separateur);
    if (pos < 0) {
        QString tout = std::move(texte);
        texte.clear();
        return tout;
    }
    QString debut = texte.left(pos);
    texte.remove(0, pos + 1);
    return debut;
}

TEnregUR DecouperEnregUR(const QString& enreg)
{
    TEnregUR r;
    if (enreg.isEmpty())
        return r;
    r.genre = enreg.front();
    QString reste = enreg.mid(1);
    r.libelle = ExtraireJusqua(reste, kSepChamp);
    r.objets = ExtraireJusqua(reste, kSepChamp);
    r.donnees = std::move(reste);
    return r;
}

QString RetirerPremierEnreg(QString& liste) { return ExtraireJusqua(liste, kSepEnreg); }

void MettreEnTete(QString& liste, const QString& enreg)
{
    if (liste.isEmpty())
        liste = enreg;
    else
        liste = enreg + kSepEnreg + liste;
}

QStringList EnregsDeListe(const QString& liste)
{
    if (liste.isEmpty())
        return {};
    return liste.split(kSepEnreg);
}
