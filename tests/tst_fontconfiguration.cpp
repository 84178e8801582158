// The program loads the system's font configuration itself, before the
// toolkit asks for it: it must be the very configuration the font library
// would load on its own, with the same fonts and the same choices.

#include "ui/widgets/designfonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QTest>

#include <fontconfig/fontconfig.h>

#include <set>
#include <string>

namespace {

std::set<std::string> fontFiles(FcConfig *config)
{
    std::set<std::string> files;
    FcFontSet *fonts = FcConfigGetFonts(config, FcSetSystem);
    for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
        FcChar8 *file = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
            files.insert(reinterpret_cast<const char *>(file));
    }
    return files;
}

// The file and the rendering choices the configuration gives for a family.
std::string choice(FcConfig *config, const char *family)
{
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(family));
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, 13);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(config, pattern, &result);
    std::string text;
    if (match != nullptr) {
        FcChar8 *file = nullptr;
        int hintStyle = -1;
        FcBool antialias = FcFalse;
        FcBool hinting = FcFalse;
        FcPatternGetString(match, FC_FILE, 0, &file);
        FcPatternGetInteger(match, FC_HINT_STYLE, 0, &hintStyle);
        FcPatternGetBool(match, FC_ANTIALIAS, 0, &antialias);
        FcPatternGetBool(match, FC_HINTING, 0, &hinting);
        text = std::string(file ? reinterpret_cast<const char *>(file) : "") + " hintstyle " + std::to_string(hintStyle)
            + " antialias " + std::to_string(antialias) + " hinting " + std::to_string(hinting);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return text;
}

// The configuration files the configuration was read from, or listed.
int configurationFiles(FcConfig *config)
{
    FcConfigFileInfoIter iter;
    FcConfigFileInfoIterInit(config, &iter);
    int count = 0;
    do {
        FcChar8 *name = nullptr;
        FcChar8 *description = nullptr;
        FcBool enabled = FcFalse;
        if (FcConfigFileInfoIterGet(config, &iter, &name, &description, &enabled)) {
            ++count;
            FcStrFree(name);
            FcStrFree(description);
        }
    } while (FcConfigFileInfoIterNext(config, &iter));
    return count;
}

} // namespace

class TestFontConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void sameAsTheLibraryLoads();
};

void TestFontConfiguration::sameAsTheLibraryLoads()
{
    {
        Woord::DesignFonts::FontConfigurationLoader loader;
        loader.wait();
    }
    FcConfig *loaded = FcConfigReference(nullptr);
    QVERIFY(loaded != nullptr);
    FcConfig *own = FcInitLoadConfigAndFonts();
    QVERIFY(own != nullptr);
    QVERIFY(loaded != own);
    // Its own, read without the list of every file the system could turn on.
    QVERIFY(configurationFiles(loaded) > 0);
    QVERIFY(configurationFiles(loaded) < configurationFiles(own));

    const std::set<std::string> files = fontFiles(loaded);
    QVERIFY(!files.empty());
    QVERIFY(files == fontFiles(own));
    for (const char *family : {"Tahoma", "MS Sans Serif", "Arial", "sans-serif", "monospace", "serif"})
        QCOMPARE(choice(loaded, family), choice(own, family));
    FcConfigDestroy(own);
    FcConfigDestroy(loaded);

    // The toolkit takes it as its own.
    int argc = 1;
    char name[] = "tst_fontconfiguration";
    char *argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QVERIFY(!QFontDatabase::families().isEmpty());
}

QTEST_APPLESS_MAIN(TestFontConfiguration)
#include "tst_fontconfiguration.moc"
