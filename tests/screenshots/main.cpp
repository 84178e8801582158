// Renders every window of the program to PNG files, headless and with the
// shipped glossary, so a reviewer sees the windows without running them.
// Usage: screenshots OUTPUT_FOLDER [SCALE]
// At a SCALE other than 1 (as on a high-DPI screen: 1.25, 1.5, 2) the files
// are named NAME@SCALEx.png. For each window it prints its title and where its
// pictures lie (in the window's own pixels at scale 1).

#include "tests/support/fakeplatform.h"
#include "ui/mainwindow/frmhoofd.h"
#include "ui/search/frmzoek.h"
#include "ui/widgets/designfonts.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/frmabout3d.h"
#include "ui/windows/frmlandencodes.h"
#include "ui/windows/frmsneltoetsen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QString suffix;

bool save(QWidget &window, const QString &folder, const QString &name)
{
    window.show();
    QApplication::processEvents();
    // Dialogs are grabbed with their client area only; the title is noted.
    std::printf("%s: \"%s\"\n", qPrintable(name), qPrintable(window.windowTitle()));
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (label->isVisible() && !label->pixmap().isNull()) {
            const QRect place(label->mapTo(&window, QPoint(0, 0)), label->size());
            std::printf("picture %s %d %d %d %d\n", qPrintable(label->objectName()), place.x(), place.y(),
                        place.width(), place.height());
        }
        // A pointer of its own: its picture's size in device pixels and its
        // hot spot in the window's pixels.
        if (label->testAttribute(Qt::WA_SetCursor) && label->cursor().shape() == Qt::BitmapCursor) {
            const QCursor pointer = label->cursor();
            std::printf("pointer %s %d %d %d %d\n", qPrintable(label->objectName()), pointer.pixmap().width(),
                        pointer.pixmap().height(), pointer.hotSpot().x(), pointer.hotSpot().y());
        }
    }
    if (window.testAttribute(Qt::WA_SetWindowIcon)) {
        std::printf("icon");
        for (const QSize &size : window.windowIcon().availableSizes())
            std::printf(" %d", size.width());
        std::printf("\n");
    }
    const QString path = folder + QLatin1Char('/') + name + suffix + QStringLiteral(".png");
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
    if (argc != 2 && argc != 3) {
        std::fputs("usage: screenshots OUTPUT_FOLDER [SCALE]\n", stderr);
        return 2;
    }
    const QByteArray scale = argc == 3 ? QByteArray(argv[2]) : QByteArray("1");
    bool isNumber = false;
    if (scale.toDouble(&isNumber) <= 0 || !isNumber) {
        std::fputs("SCALE is a number above 0, such as 1, 1.5 or 2\n", stderr);
        return 2;
    }
    qputenv("QT_SCALE_FACTOR", scale);
    if (!qFuzzyCompare(scale.toDouble(), 1.0))
        suffix = u'@' + QString::fromLatin1(scale) + u'x';
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const Woord::DesignFonts fonts;

    Woord::Test::FakePlatform platform;
    platform.facts.folder = QStringLiteral(WOORD_PROGRAM_DIR);
    Woord::AppState state;
    Woord::ModalDialogs dialogs(platform, fonts);
    Woord::FrmHoofd hoofd(platform, state, fonts, dialogs);
    if (hoofd.Form_Load() != Woord::FrmHoofd::LoadOutcome::Show) {
        std::fputs("the main window did not start\n", stderr);
        return 1;
    }
    // A fixed term, so the picture is the same on every run.
    for (qint32 i = 1; i <= state.glossary.AantalBegrippen(); ++i) {
        if (state.glossary.Begrip(i) == QStringLiteral("Internet")) {
            state.CurrRecord = i;
            hoofd.ShowRecord();
            hoofd.SyncListIndex();
        }
    }
    bool ok = save(hoofd, folder, QStringLiteral("FrmHoofd"));

    Woord::FrmZoek zoek(fonts, {});
    ok = save(zoek, folder, QStringLiteral("FrmZoek")) && ok;
    const Woord::AboutValues values{state.ProgrammaTitel, platform.facts.revision, state.glossary.DatabaseDatum(),
                                    state.glossary.AantalBegrippen()};
    Woord::FrmAbout3D about(platform, fonts, values, {});
    ok = save(about, folder, QStringLiteral("FrmAbout3D")) && ok;
    Woord::FrmLandenCodes codes(fonts);
    ok = save(codes, folder, QStringLiteral("FrmLandenCodes")) && ok;
    Woord::FrmSneltoetsen keys(fonts);
    ok = save(keys, folder, QStringLiteral("FrmSneltoetsen")) && ok;
    return ok ? 0 : 1;
}
