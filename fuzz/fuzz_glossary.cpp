// Feeds arbitrary bytes to the glossary reader, as a broken or hostile
// glossary file would, and checks what a load promises whatever it reads.

#include "glossary/encrypt.h"
#include "glossary/loader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));

    Woord::testHeader(bytes);
    const Woord::LoadResult result = Woord::LoadDatabase(bytes);
    const Woord::Glossary &glossary = result.glossary;

    if (result.endOffset < 0 || result.endOffset > bytes.size())
        std::abort();
    if (glossary.DatabaseDatum().size() > 10)
        std::abort();
    if (result.status == Woord::LoadStatus::Loaded) {
        if (glossary.AantalBegrippen() < 0 || glossary.AantalBegrippen() > Woord::maxAantalBegrippen)
            std::abort();
        if (glossary.AantalBegrippen() != glossary.AantalBegrippen() || !glossary.Begrip(0).isEmpty())
            std::abort();
        for (qint32 i = 1; i <= glossary.AantalBegrippen(); ++i) {
            const Woord::BegripRecord record = glossary.Begrippen(i);
            if (record.Begrip.size() > Woord::Encrypt::maxTextLength
                || record.Beschrijving.size() > Woord::Encrypt::maxTextLength)
                std::abort();
        }
    } else if (glossary.AantalBegrippen() != 0) {
        // A failed load never hands out a partly filled table.
        std::abort();
    }

    if (size > 0)
        Woord::Encrypt::Decode(bytes.sliced(1), static_cast<int8_t>(data[0]) * 3);
    return 0;
}
