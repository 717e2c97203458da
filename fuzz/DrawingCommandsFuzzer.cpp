// Drawing command texts: read, measured and painted on a small picture. Any
// text must paint without crashing, whatever its numbers (huge, not finite),
// fonts or colours.

#include "FuzzSupport.h"

#include "drawing/DrawingCommands.h"
#include "drawing/DrawingRenderer.h"
#include "util/TextFiles.h"

#include <QImage>
#include <QPainter>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    preparerApplicationGraphique();
    const QString texte = DecoderTexte(octetsFuzz(data, size));
    const std::vector<InstructionDessin> commandes = LireCommandesDessin(texte);
    const EtendueDessin etendue = EtendueCommandes(commandes, EtendueDessin{});
    QImage image(64, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    PeindreDessinAjuste(painter, texte, etendue, image.size(), 0x00FFFFFF);
    painter.end();
    return 0;
}
