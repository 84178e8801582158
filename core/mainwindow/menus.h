#pragma once

#include <QKeyCombination>

// The main window's menu bar: five menus, each a control array of items, the
// separators among them. The window makes one action a row, and connects
// each to the slot of its command.
namespace Woord::Menus {

enum class Command {
    Separator, // a line between items, which cannot be chosen
    Close, // unload the main window
    GlossaryInformation,
    GlossaryPage, // on the maker's site
    About,
    ProgramPage, // on the maker's site
    Sources,
    CountryCodes,
    HelpFile, // the local help file
    HelpPage, // on the maker's site
    ShortcutKeys,
};

struct Menu {
    const char16_t *name; // the menu's; its items are "<name>_kies"
    const char16_t *caption;
};

struct Item {
    int menu; // the index in `menus`
    qint16 index; // in the menu's control array
    const char16_t *caption; // "-" for a separator
    int shortcut; // a key combination (QKeyCombination::toCombined()), 0 for none
    Command command;
};

inline constexpr Menu menus[] = {
    {u"mnu_sluiten", u"&Sluiten"}, {u"mnu_database", u"&Begrippenlijst"},
    {u"mnu_info", u"&Info"},       {u"mnu_extra", u"&Extra"},
    {u"mnu_help", u"&Help"},
};

// "Alt+F4" in the close item's caption is plain text: the key is the main
// window's own, not the item's.
inline constexpr Item items[] = {
    {0, 0, u"&Woordorakelaar afsluiten   Alt+F4", 0, Command::Close},
    {1, 0, u"&Begrippenlijst informatie", (Qt::CTRL | Qt::Key_D).toCombined(), Command::GlossaryInformation},
    {1, 1, u"-", 0, Command::Separator},
    {1, 2, u"B&egrippenlijst op de site", 0, Command::GlossaryPage},
    {2, 0, u"&Info", (Qt::CTRL | Qt::Key_I).toCombined(), Command::About},
    {2, 1, u"-", 0, Command::Separator},
    {2, 2, u"I&nfo op de site", 0, Command::ProgramPage},
    {2, 3, u"-", 0, Command::Separator},
    {2, 4, u"&Bronnen", 0, Command::Sources},
    {3, 0, u"&Landencodes", 0, Command::CountryCodes},
    {4, 0, u"&Help", QKeyCombination(Qt::Key_F1).toCombined(), Command::HelpFile},
    {4, 1, u"-", 0, Command::Separator},
    {4, 2, u"H&elp op de site", 0, Command::HelpPage},
    {4, 3, u"-", 0, Command::Separator},
    {4, 4, u"&Sneltoetsen", 0, Command::ShortcutKeys},
};

} // namespace Woord::Menus
