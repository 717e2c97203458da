// The command line of tolvane-cli: any arguments, given to each sub-command,
// must end in an exit status and a message, never a crash. The run happens in
// a scratch folder holding one real document; arguments cannot leave it
// (every '/' becomes '_'), so whatever "-o" names stays there.

#include "FuzzSupport.h"

#include "app/cli/CliCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace {

const char kDocument[] = "TFileHeader V1.00 030504 01234voktasq43210\r\n\r\n5_1\r\n"
                         "< d\xE9limstr A >\r\n< d\xE9limstr A >\r\n< d\xE9limstr A >\r\n< d\xE9limstr A >\r\n"
                         "< d\xE9limstr A >\r\nC1\r\n\r\n\r\n\r\ncomm\r\n2\r\n"
                         "0\t1\t0.8\t0\t2000\t5\t0.6\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\tbase\r\n"
                         "3\t0.6\t0.8\t0\t2000\t5\t0.6\t0\t0\t0\t-2000\t0\t0\t300\t0\t0\t0\t0\t0\t0\t0\t0\t0.3\tsommet\r\n"
                         "< d\xE9limstr A >\r\n";

void preparerDossier()
{
    static const std::unique_ptr<QTemporaryDir> dossier = [] {
        auto d = std::make_unique<QTemporaryDir>();
        QFile f(d->filePath(QStringLiteral("d.Tolvane")));
        f.open(QIODevice::WriteOnly);
        f.write(kDocument);
        QDir::setCurrent(d->path());
        return d;
    }();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    preparerApplicationGraphique();
    preparerFuzz();
    preparerDossier();
    if (size == 0)
        return 0;
    // The first byte chooses the sub-command; the rest are the arguments,
    // separated by line breaks.
    QStringList arguments = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1))
                                .replace(u'/', u'_')
                                .split(u'\n');
    switch (data[0] % 3) {
    case 0:
        CommandeCalculer(arguments);
        break;
    case 1:
        CommandeNote(arguments);
        break;
    default:
        CommandeDessin(arguments);
        break;
    }
    return 0;
}
