#pragma once

#include <QIcon>

// The application's icon: a stone buttress against a wall, drawn at every
// size the desktop asks for.
QIcon IconeApplication();
