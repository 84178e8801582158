#pragma once

#include <QString>
#include <QTime>

// Every service the program asks of the platform goes through Platform: the
// program gets the real Qt implementation, the tests a recording fake.
namespace Woord {

enum class MessageIcon {
    None,
    Information,
    Critical,
};

// A modal message with a single OK button.
struct Message {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;

    friend bool operator==(const Message &, const Message &) = default;
};

// Facts about the running program, from the process and its version information.
struct ProcessFacts {
    QString folder; // the program's folder, native separators, no trailing one but at a root
    QString exeName; // the executable's file name without folder and extension
    int major = 0;
    int minor = 0;
    int revision = 0;
    QString companyName; // the maker, from the program's own version information
};

// The per-user settings store: text values by key, within the program's
// section. Writes are collected and made durable by commit(), all at once.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString &key, const QString &defaultValue) = 0;
    virtual void write(const QString &key, const QString &value) = 0;
    // Returns false when the values could not be stored; the store as it was
    // before stays intact.
    virtual bool commit() = 0;
};

class Platform
{
public:
    virtual ~Platform() = default;

    virtual SettingsStore &settings() = 0;
    virtual ProcessFacts processFacts() = 0;

    virtual void showMessage(const Message &message) = 0;
    // Hands a file, web address or mailto address to the shell's open, without waiting.
    virtual bool openWithShell(const QString &target) = 0;
    virtual void beep() = 0;
    virtual void setWaitCursor(bool on) = 0;

    // Local time of day: the greeting's hour and the random seed come from it.
    virtual QTime timeOfDay() = 0;

    // Claims the single-instance lock of this user; false when another
    // instance of the program already holds it.
    virtual bool claimSingleInstance() = 0;

    // Whether the program can learn and choose where its windows stand on
    // the screen; a Wayland desktop allows neither.
    virtual bool placesWindows() = 0;
};

} // namespace Woord
