// Renders every window of the program to PNG files, headless and with the
// shipped glossary, so a reviewer sees the windows without running them.
// Usage: screenshots OUTPUT_FOLDER

#include "mainwindow/designfonts.h"
#include "mainwindow/frmhoofd.h"
#include "search/frmzoek.h"
#include "support/fakeplatform.h"
#include "windows/frmabout3d.h"
#include "windows/frmlandencodes.h"
#include "windows/frmsneltoetsen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool save(QWidget &window, const QString &folder, const QString &name)
{
    window.show();
    QApplication::processEvents();
    // Dialogs are grabbed with their client area only; the title is noted.
    std::printf("%s: \"%s\"\n", qPrintable(name), qPrintable(window.windowTitle()));
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    const QPixmap picture = window.grab();
    const bool saved = !picture.isNull() && picture.save(path, "PNG");
    if (picture.isNull())
        std::fputs("empty picture\n", stderr);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: screenshots OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    Woord::DesignFonts::install();

    Woord::Test::FakePlatform platform;
    platform.facts.folder = QStringLiteral(WOORD_PROGRAM_DIR);
    Woord::AppState state;
    Woord::FrmHoofd hoofd(platform, state);
    if (hoofd.Form_Load() != Woord::FrmHoofd::LoadOutcome::Show) {
        std::fputs("the main window did not start\n", stderr);
        return 1;
    }
    // A fixed term, so the picture is the same on every run.
    for (qint32 i = 1; i <= state.glossary.AantalBegrippen; ++i) {
        if (state.glossary.Begrip(i) == QStringLiteral("Internet")) {
            state.CurrRecord = i;
            hoofd.ShowRecord();
            hoofd.SyncListIndex();
        }
    }
    bool ok = save(hoofd, folder, QStringLiteral("FrmHoofd"));

    Woord::FrmZoek zoek({});
    ok = save(zoek, folder, QStringLiteral("FrmZoek")) && ok;
    Woord::FrmAbout3D about(platform, state, {});
    ok = save(about, folder, QStringLiteral("FrmAbout3D")) && ok;
    Woord::FrmLandenCodes codes;
    ok = save(codes, folder, QStringLiteral("FrmLandenCodes")) && ok;
    Woord::FrmSneltoetsen keys;
    ok = save(keys, folder, QStringLiteral("FrmSneltoetsen")) && ok;
    return ok ? 0 : 1;
}
