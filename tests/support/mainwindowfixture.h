#pragma once

#include "core/mainwindow/appstate.h"
#include "tests/support/fakedialogs.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/wodbytes.h"
#include "ui/mainwindow/frmhoofd.h"
#include "ui/widgets/designfonts.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <type_traits>
#include <vector>

class QAction;

namespace Woord::Test {

// A program folder of its own with a glossary in it, the recording platform
// pointing at that folder, and a main window over them.
struct MainWindowFixture {
    MainWindowFixture();

    // Writes the glossary file of the program folder.
    void writeGlossary(const QByteArray &bytes);
    // Entries "Begrip 0001" ... with descriptions "Beschrijving van begrip 1" ...
    static QList<Entry> numberedEntries(int count);

    // Makes the main window without loading anything.
    void make();
    // Makes the main window and runs its load handling.
    FrmHoofd::LoadOutcome start();
    // With a glossary of numbered entries: starts, shows and activates the
    // main window. False when any of that failed.
    bool startShown(int entries);

    // Makes `entry` current and shows it, the list's row included.
    void goTo(int entry);
    // The item at `index` of the menu named `menu`.
    QAction *menuItem(const QString &menu, int index) const;
    // The status line's text.
    QString status() const;
    // Moves the mouse over `widget`, to `at` or else its middle, and lets the
    // window react.
    static void moveOver(QWidget *widget, QPoint at = {});

    // The window's control of that name. Where there is none the test that
    // asks fails, and gets a stand-in, so that it goes on to its end
    // without harm.
    template<typename T>
    T *control(const QString &name) const
    {
        if (T *found = window->findChild<T *>(name))
            return found;
        QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
        return standIn<T>();
    }

    QString glossaryPath() const;

    QTemporaryDir folder;
    FakePlatform platform;
    FakeDialogs dialogs;
    const DesignFonts fonts;
    AppState state;
    std::unique_ptr<FrmHoofd> window;

private:
    template<typename T>
    T *standIn() const
    {
        static_assert(!std::is_abstract_v<T>, "ask for a control by a type that can stand in for it");
        auto *widget = new T;
        m_standIns.emplace_back(widget);
        return widget;
    }
    mutable std::vector<std::unique_ptr<QObject>> m_standIns;
};

// The base of the main window's tests: every test function gets a fixture of
// its own, `f`.
class MainWindowTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<MainWindowFixture> f;

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }
};

} // namespace Woord::Test
