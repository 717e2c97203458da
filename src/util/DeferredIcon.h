#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

// An icon whose pictures are made when something first asks for one (a
// pixmap, its sizes, a paint): a window shows at once, and the icons of
// buttons it hides or of platforms that never show them cost nothing. Then it
// answers exactly as the icon `dessiner` returned, which must not be null
// (the icon says it is not null without drawing it). Copies of the icon share
// its pictures: they are drawn once.
QIcon IconeDifferee(std::function<QIcon()> dessiner);

// One picture file of an icon and the size of its picture.
struct TImageIcone {
    QString fichier;
    QSize taille;
};

// The icon QIcon::addFile would make of these files (added in this order,
// for the normal mode and the off state, of distinct sizes), except that a
// file is decoded only when an answer needs it: QIcon decodes each file as
// it is added, though a button shows one of them. The answers are those of
// the icon made at once: the same picture is chosen for each size asked
// (the smallest at least as large, else the largest), then scaled and
// shaded for its mode by the same code.
QIcon IconeDeFichiers(QList<TImageIcone> images);
