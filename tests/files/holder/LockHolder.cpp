// Another instance of the application, as far as locks go.
//
//   tolvane_lock_holder tenir <document>
//       takes the document's lock, prints "tenu" (or "refuse" and exits 2), then
//       reads one command: "liberer" releases every lock and ends, "quitter"
//       ends at once without releasing anything itself.
//   tolvane_lock_holder essayer <document>
//       asks for the lock with the real waits and prints the outcome ("tenu",
//       "occupe", "impossible") and the number of attempts.

#include "files/FileLocks.h"

#include <QCoreApplication>
#include <QString>
#include <iostream>
#include <string>

namespace {

const char* outcomeWord(LockOutcome outcome)
{
    switch (outcome) {
    case LockOutcome::Held:
        return "tenu";
    case LockOutcome::InUse:
        return "occupe";
    default:
        return "impossible";
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 64;
    const QString& action = arguments[1];
    const QString& document = arguments[2];

    if (action == QLatin1String("essayer")) {
        const LockAttempt attempt = processFileLocks().acquire(document, kVerrouNomUtil);
        std::cout << outcomeWord(attempt.outcome) << ' ' << attempt.attempts << std::endl;
        return 0;
    }
    if (action != QLatin1String("tenir"))
        return 64;
    if (!VerrouillerAccesAuFichier(document, kVerrouNomUtil)) {
        std::cout << "refuse" << std::endl;
        return 2;
    }
    std::cout << "tenu" << std::endl;
    std::string command;
    std::getline(std::cin, command);
    if (command == "liberer")
        DeverrouillerTousLesAcces();
    return 0;
}
