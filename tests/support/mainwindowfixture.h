#pragma once

#include "mainwindow/appstate.h"
#include "mainwindow/frmhoofd.h"
#include "support/fakeplatform.h"
#include "support/wodbytes.h"

#include <QTemporaryDir>

#include <memory>

namespace Woord::Test {

// A program folder of its own with a glossary in it, the recording platform
// pointing at that folder, and a main window over them.
struct MainWindowFixture {
    MainWindowFixture();

    // Writes the glossary file of the program folder.
    void writeGlossary(const QByteArray &bytes);
    // Entries "Begrip 0001" ... with descriptions "Beschrijving van begrip 1" ...
    static QList<Entry> numberedEntries(int count);

    // Makes the main window and runs its load handling.
    FrmHoofd::LoadOutcome start();
    // With a glossary of numbered entries: starts, shows and activates the
    // main window. False when any of that failed.
    bool startShown(int entries);

    template<typename T>
    T *control(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }

    QString glossaryPath() const;

    QTemporaryDir folder;
    FakePlatform platform;
    AppState state;
    std::unique_ptr<FrmHoofd> window;
};

} // namespace Woord::Test
