#pragma once

#include <QString>
#include <QStringView>

// The text of a number with a fixed count of decimals, exactly as
// QString::number(x, 'f', decimales) and QString::asprintf("%.*f") write it,
// held in the object itself: the note writes a hundred thousand numbers and a
// string for each cost more than the rest of its work.
class TTexteDecimal {
public:
    TTexteDecimal(double x, int decimales);
    QStringView Vue() const { return repli_.isNull() ? QStringView(texte_, taille_) : QStringView(repli_); }

private:
    // The usual case, through a whole number; false when it cannot decide.
    bool EcrireParEntier(double x, int decimales);

    char16_t texte_[32] = {};
    qsizetype taille_ = 0;
    // The rare numbers written by Qt itself (see the constructor).
    QString repli_;
};

// Appends x with that count of decimals, as QString::number writes it, without
// a string of its own: the drawing writes tens of thousands of coordinates.
inline void AjouterDecimales(QString& texte, double x, int decimales)
{
    texte += TTexteDecimal(x, decimales).Vue();
}
