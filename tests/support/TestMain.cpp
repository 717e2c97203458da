#include "support/TestEnvironment.h"

#include <QGuiApplication>

// The headless test programs: no widget library is linked.
int main(int argc, char* argv[]) { return ExecuterTests<QGuiApplication>(argc, argv); }
