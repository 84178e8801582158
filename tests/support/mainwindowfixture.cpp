#include "tests/support/mainwindowfixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace Woord::Test {

MainWindowFixture::MainWindowFixture()
{
    if (!folder.isValid())
        qFatal("no temporary program folder");
    // As the real platform reports it: with the system's own separators.
    platform.facts.folder = QDir::toNativeSeparators(folder.path());
}

void MainWindowFixture::writeGlossary(const QByteArray &bytes)
{
    QFile file(glossaryPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test glossary");
}

QList<Entry> MainWindowFixture::numberedEntries(int count)
{
    QList<Entry> entries;
    for (int i = 1; i <= count; ++i)
        entries.append({QStringLiteral("Begrip %1").arg(i, 4, 10, QLatin1Char('0')),
                        QStringLiteral("Beschrijving van begrip %1").arg(i)});
    return entries;
}

void MainWindowFixture::make()
{
    window = std::make_unique<FrmHoofd>(platform, state, fonts, dialogs);
}

FrmHoofd::LoadOutcome MainWindowFixture::start()
{
    make();
    return window->Form_Load();
}

bool MainWindowFixture::startShown(int entries)
{
    writeGlossary(wod(numberedEntries(entries)));
    if (start() != FrmHoofd::LoadOutcome::Show)
        return false;
    window->show();
    QApplication::setActiveWindow(window.get());
    return QTest::qWaitForWindowActive(window.get());
}

void MainWindowFixture::goTo(int entry)
{
    state.CurrRecord = entry;
    window->ShowRecord();
    window->SyncListIndex();
}

QAction *MainWindowFixture::menuItem(const QString &menu, int index) const
{
    return control<QMenu>(menu)->actions().at(index);
}

QString MainWindowFixture::status() const
{
    return control<QLabel>(QStringLiteral("Lbl_StatusHelp"))->text();
}

void MainWindowFixture::moveOver(QWidget *widget, QPoint at)
{
    if (at.isNull())
        at = widget->rect().center();
    QTest::mouseMove(widget, at);
    QApplication::processEvents();
}

QString MainWindowFixture::glossaryPath() const
{
    return QDir::toNativeSeparators(folder.filePath(QStringLiteral("woordorakelaar.wod")));
}

} // namespace Woord::Test
