#include "core/glossary/errorkind.h"

using namespace Qt::StringLiterals;

namespace Woord {

QString errorDescription(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::None:
        return u"Geen fout"_s;
    case ErrorKind::Overflow:
        return u"Getal te groot"_s;
    case ErrorKind::OutOfMemory:
        return u"Onvoldoende geheugen"_s;
    case ErrorKind::TypeMismatch:
        return u"Ongeldige waarde"_s;
    case ErrorKind::BadFileNameOrNumber:
        return u"Ongeldige bestandsnaam of bestand niet geopend"_s;
    case ErrorKind::FileNotFound:
        return u"Bestand niet gevonden"_s;
    case ErrorKind::InputPastEnd:
        return u"Lezen voorbij het einde van het bestand"_s;
    case ErrorKind::PathFileAccess:
        return u"Geen toegang tot pad of bestand"_s;
    case ErrorKind::PathNotFound:
        return u"Pad niet gevonden"_s;
    case ErrorKind::InvalidPropertyValue:
        return u"Ongeldige eigenschapswaarde"_s;
    case ErrorKind::ObjectRequired:
        return u"Object vereist"_s;
    case ErrorKind::Unexpected:
        return u"Onverwachte fout"_s;
    }
    return u"Onbekende fout"_s;
}

} // namespace Woord
