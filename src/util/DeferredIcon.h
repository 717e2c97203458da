#pragma once

#include <QIcon>
#include <functional>

// An icon whose pictures are made when something first asks for one (a
// pixmap, its sizes, a paint): a window shows at once, and the icons of
// buttons it hides or of platforms that never show them cost nothing. Then it
// answers exactly as the icon `dessiner` returned, which must not be null
// (the icon says it is not null without drawing it). Copies of the icon share
// its pictures: they are drawn once.
QIcon IconeDifferee(std::function<QIcon()> dessiner);
