// The main window's menu bar: five menus whose items form one array each; a
// click hands the item's index to the menu's handler.

#include "ui/mainwindow/frmhoofd.h"

#include "core/links/links.h"
#include "ui/windows/frmabout3d.h"
#include "ui/windows/frmlandencodes.h"
#include "ui/windows/frmsneltoetsen.h"

#include <QFileInfo>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace Woord {

void FrmHoofd::createMenus()
{
    struct Item {
        const char16_t *caption; // "-" is a separator
        QKeySequence shortcut;
    };
    const struct {
        const char16_t *name;
        const char16_t *caption;
        std::vector<Item> items;
        void (FrmHoofd::*handler)(qint16);
    } menus[] = {
        {u"mnu_sluiten", u"&Sluiten", {{u"&Woordorakelaar afsluiten   Alt+F4", {}}}, &FrmHoofd::mnu_sluiten_kies_Click},
        {u"mnu_database",
         u"&Begrippenlijst",
         {{u"&Begrippenlijst informatie", QKeySequence(Qt::CTRL | Qt::Key_D)},
          {u"-", {}},
          {u"B&egrippenlijst op de site", {}}},
         &FrmHoofd::mnu_database_kies_Click},
        {u"mnu_info",
         u"&Info",
         {{u"&Info", QKeySequence(Qt::CTRL | Qt::Key_I)},
          {u"-", {}},
          {u"I&nfo op de site", {}},
          {u"-", {}},
          {u"&Bronnen", {}}},
         &FrmHoofd::mnu_info_kies_Click},
        {u"mnu_extra", u"&Extra", {{u"&Landencodes", {}}}, &FrmHoofd::mnu_extra_kies_Click},
        {u"mnu_help",
         u"&Help",
         {{u"&Help", QKeySequence(Qt::Key_F1)},
          {u"-", {}},
          {u"H&elp op de site", {}},
          {u"-", {}},
          {u"&Sneltoetsen", {}}},
         &FrmHoofd::mnu_help_kies_Click},
    };

    for (const auto &menu : menus) {
        QMenu *bar = menuBar()->addMenu(QString::fromUtf16(menu.caption));
        const QString name = QString::fromUtf16(menu.name);
        bar->setObjectName(name);
        for (qint16 index = 0; index < static_cast<qint16>(menu.items.size()); ++index) {
            const Item &item = menu.items[static_cast<std::size_t>(index)];
            const QString caption = QString::fromUtf16(item.caption);
            QAction *action = caption == u"-"_s ? bar->addSeparator() : bar->addAction(caption);
            action->setObjectName(name + u"_kies"_s);
            action->setProperty("index", index);
            if (!item.shortcut.isEmpty())
                action->setShortcut(item.shortcut);
            connect(action, &QAction::triggered, this,
                    [this, handler = menu.handler, index] { (this->*handler)(index); });
        }
    }
}

void FrmHoofd::mnu_sluiten_kies_Click(qint16)
{
    close();
}

void FrmHoofd::mnu_database_kies_Click(qint16 index)
{
    if (index == 0)
        m_platform.showMessage(
            Links::glossaryInformation(m_state.glossary.DatabaseDatum(), m_state.glossary.AantalBegrippen()));
    else if (index == 2)
        openTarget(Links::glossaryPage());
}

void FrmHoofd::mnu_info_kies_Click(qint16 index)
{
    if (index == 0) {
        const AboutValues values{m_state.ProgrammaTitel, m_facts.revision, m_state.glossary.DatabaseDatum(),
                                 m_state.glossary.AantalBegrippen()};
        FrmAbout3D about(
            m_platform, values, [this] { OpenHelpFile(); }, this);
        about.exec();
    } else if (index == 2)
        openTarget(Links::programPage());
    else if (index == 4)
        m_platform.showMessage(Links::sources());
}

void FrmHoofd::mnu_extra_kies_Click(qint16 index)
{
    if (index == 0) {
        FrmLandenCodes codes(this);
        codes.exec();
    }
}

void FrmHoofd::mnu_help_kies_Click(qint16 index)
{
    if (index == 0 || index == 2) {
        OpenHelp(index == 0 ? 0 : 1);
    } else if (index == 4) {
        FrmSneltoetsen keys(this);
        keys.exec();
    }
}

void FrmHoofd::OpenHelp(qint16 source)
{
    if (source == 0)
        OpenHelpFile();
    else if (source == 1)
        openTarget(Links::helpPage());
}

void FrmHoofd::OpenHelpFile()
{
    const QString path = Links::localHelpFile(m_state.DataMap);
    // Where the shell's open succeeds before a browser finds the file
    // missing, the file is looked for first, so the message still comes.
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        m_platform.showMessage(Links::helpMissing(m_state.ProgrammaTitel, m_state.DataMap));
    else
        openTarget(path);
}

void FrmHoofd::openTarget(const QString &target)
{
    if (!m_platform.openWithShell(target))
        m_platform.showMessage(Links::openFailed(m_state.ProgrammaTitel, target));
}

} // namespace Woord
