#pragma once

#include "model/ButtressText.h"
#include "model/DonneesAppli.h"
#include "util/AnsiCodePage.h"
#include "util/TextFields.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// A document file as the program writes it: header block, then problem text.
class Document {
public:
    Document& calcul(const QString& nom, const QList<TSection>& sections)
    {
        TData data;
        data.Sections = sections;
        corps_ += BlocDelimite(nom + kCrLf + QStringLiteral("\r\n\r\n\r\n") + DataVersTexte(data));
        return *this;
    }
    // A calculation whose buttress text is given as it stands (comment line,
    // count line, section lines).
    Document& brut(const QString& nom, const QString& texteContrefort)
    {
        corps_ += BlocDelimite(nom + kCrLf + QStringLiteral("\r\n\r\n\r\n") + texteContrefort);
        return *this;
    }
    // A calculation block that cannot be read: its section count is negative.
    Document& illisible(const QString& nom)
    {
        corps_ += BlocDelimite(nom + QStringLiteral("\r\n\r\n\r\n\r\ncomm\r\n-3\r\n"));
        return *this;
    }
    QString ecrire(const QTemporaryDir& dir, const QString& nom) const
    {
        const QString chemin = dir.filePath(nom);
        QFile f(chemin);
        f.open(QIODevice::WriteOnly);
        f.write(AnsiCodePage::fromUnicode(QStringLiteral("TFileHeader V1.00 030504 01234voktasq43210\r\n\r\n5_1\r\n")
                                          + BlocDelimite({}) + BlocDelimite({}) + corps_));
        return chemin;
    }

private:
    QString corps_;
};
