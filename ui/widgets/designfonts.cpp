#include "ui/widgets/designfonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <cmath>
#include <system_error>

#ifdef WOORD_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

using namespace Qt::StringLiterals;

namespace Woord::DesignFonts {

namespace {

// How wide the stand-in for MS Sans Serif is drawn, in percent.
int sansSerifStretch = QFont::Unstretched;
// The look-alikes in use, by the lower-case name of the family they stand in
// for.
QHash<QString, QString> lookAlikes;

bool hasFamily(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// Debian's fonts-wine keeps its fonts outside the font configuration.
void addFromFolder(const QString &family, const QStringList &files)
{
    if (hasFamily(family))
        return;
    for (const QString &file : files)
        QFontDatabase::addApplicationFont(u"/usr/share/wine/fonts/"_s + file);
}

void standIn(const QString &family, const QString &lookAlike)
{
    QFont::insertSubstitution(family, lookAlike);
    lookAlikes.insert(family.toLower(), lookAlike);
}

void substitute(const QString &family, const QString &lookAlike)
{
    if (!hasFamily(family) && hasFamily(lookAlike))
        standIn(family, lookAlike);
}

} // namespace

void loadFontConfiguration()
{
#ifdef WOORD_HAVE_FONTCONFIG
    // The library's own start-up reads the system's configuration and then,
    // only to list them, all the configuration files the system could turn
    // on (some fifty), which costs about as much again. The same
    // configuration loaded here and made current spares the toolkit that list.
    FcConfig *config = FcConfigCreate();
    if (config == nullptr)
        return;
    FcStrList *cacheDirs = nullptr;
    const bool loaded = FcConfigParseAndLoad(config, nullptr, FcTrue)
        && (cacheDirs = FcConfigGetCacheDirs(config)) != nullptr && FcStrListNext(cacheDirs) != nullptr
        && FcConfigBuildFonts(config);
    if (cacheDirs != nullptr)
        FcStrListDone(cacheDirs);
    if (!loaded || !FcConfigSetCurrent(config)) {
        FcConfigDestroy(config);
        return;
    }
    // Made current, the configuration is the library's to keep from 2.13.1
    // on; before that the current configuration simply lives as long as the
    // program.
#if FC_VERSION >= 21301
    FcConfigDestroy(config);
#endif
#endif
}

FontConfigurationLoader::FontConfigurationLoader()
{
    try {
        m_thread = std::thread(loadFontConfiguration);
    } catch (const std::system_error &) {
        loadFontConfiguration();
    }
}

FontConfigurationLoader::~FontConfigurationLoader()
{
    wait();
}

void FontConfigurationLoader::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // Only the regular face: its bold companion there draws thin and wide,
    // while a bold made from the regular face keeps the widths.
    addFromFolder(u"Tahoma"_s, {u"tahoma.ttf"_s});
    // The MS Sans Serif there is a bitmap face: it cannot grow with the
    // screen's scale, and on a high-DPI screen draws small letters spread
    // apart. Liberation Sans, an outline face, drawn 4 % narrower has its
    // widths at 8 points to within a pixel or two a word.
    substitute(u"Tahoma"_s, u"DejaVu Sans"_s);
    if (!hasFamily(u"MS Sans Serif"_s) && hasFamily(u"Liberation Sans"_s)) {
        standIn(u"MS Sans Serif"_s, u"Liberation Sans"_s);
        sansSerifStretch = 96;
    }
    substitute(u"Arial"_s, u"Liberation Sans"_s);
    substitute(u"Courier New"_s, u"Liberation Mono"_s);
}

QString family(const QString &design)
{
    return lookAlikes.value(design.toLower(), design);
}

QFont font(const QString &family, double points, bool bold)
{
    QFont f(DesignFonts::family(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    // Set for every family, so that a control's font never takes the
    // narrower width from the window's.
    f.setStretch(family.compare(u"MS Sans Serif"_s, Qt::CaseInsensitive) == 0 ? sansSerifStretch
                                                                              : int(QFont::Unstretched));
    return f;
}

QFont tahoma(double points, bool bold)
{
    return font(u"Tahoma"_s, points, bold);
}

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect twips(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace Woord::DesignFonts
