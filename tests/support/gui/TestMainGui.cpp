#include "support/TestEnvironment.h"

#include <QApplication>

// The test programs of the widgets.
int main(int argc, char* argv[]) { return ExecuterTests<QApplication>(argc, argv); }
