// The settings text of the INI mode: any bytes, decoded as the settings file
// reader decodes them, read into a store; written and read again, the store
// keeps every entry and the text is stable.

#include "FuzzSupport.h"

#include "settings/IniSettingsFile.h"
#include "settings/SettingsStore.h"
#include "util/TextFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SettingsStore lu;
    LireTexteIni(DecoderTexte(octetsFuzz(data, size)), lu);
    const QString texte = TexteIni(lu);
    SettingsStore relu;
    LireTexteIni(texte, relu);
    FUZZ_CHECK(relu.entries().size() == lu.entries().size());
    FUZZ_CHECK(TexteIni(relu) == texte);
    return 0;
}
