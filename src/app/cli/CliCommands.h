#pragma once

#include <QStringList>

// One function per sub-command of tolvane-cli: the arguments after the
// command's name; the exit status.
