#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace Woord {

class DesignFonts;
class Platform;

// What the About window shows, as the program has it when it is opened.
struct AboutValues {
    QString ProgrammaTitel;
    int revision = 0; // the third part of the program's version
    QString DatabaseDatum;
    qint32 AantalBegrippen = 0;
};

// The main window's modal windows, shown through this interface as messages
// are shown through the platform: the program gets the real windows, the
// tests a recording fake that answers at once. Each window is made afresh
// for every showing, and the call returns when it is closed.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // The search dialog. When the user pressed a find button, sets FromStart
    // (true for "&Zoek eerste") and SearchStr (the text exactly as typed) and
    // returns true; otherwise returns false and changes neither.
    virtual bool GetSearchStr(bool &FromStart, QString &SearchStr) = 0;
    virtual void showAbout(const AboutValues &values) = 0;
    virtual void showCountryCodes() = 0;
    virtual void showShortcutKeys() = 0;
};

// The real windows, modal over the main window. F1 in the search dialog and
// the About window calls `help`.
class ModalDialogs final : public Dialogs
{
public:
    ModalDialogs(Platform &platform, const DesignFonts &fonts);

    // The window they are shown over, and the help they offer; set by the
    // main window once it is made.
    void setOwner(QWidget *owner) { m_owner = owner; }
    void setHelp(std::function<void()> help) { m_help = std::move(help); }

    bool GetSearchStr(bool &FromStart, QString &SearchStr) override;
    void showAbout(const AboutValues &values) override;
    void showCountryCodes() override;
    void showShortcutKeys() override;

private:
    Platform &m_platform;
    const DesignFonts &m_fonts;
    QWidget *m_owner = nullptr;
    std::function<void()> m_help;
};

} // namespace Woord
