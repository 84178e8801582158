#include "ui/windows/dialogs.h"

#include "ui/search/frmzoek.h"
#include "ui/windows/frmabout3d.h"
#include "ui/windows/frmlandencodes.h"
#include "ui/windows/frmsneltoetsen.h"

namespace Woord {

ModalDialogs::ModalDialogs(Platform &platform, const DesignFonts &fonts)
    : m_platform(platform)
    , m_fonts(fonts)
{
}

bool ModalDialogs::GetSearchStr(bool &FromStart, QString &SearchStr)
{
    // Made afresh for every question, so the text box always starts empty;
    // shown without an owner window.
    FrmZoek dialog(m_fonts, m_help);
    dialog.exec();
    if (!dialog.request())
        return false;
    FromStart = dialog.request()->fromStart;
    SearchStr = dialog.request()->text;
    return true;
}

void ModalDialogs::showAbout(const AboutValues &values)
{
    FrmAbout3D about(m_platform, m_fonts, values, m_help, m_owner);
    about.exec();
}

void ModalDialogs::showCountryCodes()
{
    FrmLandenCodes codes(m_fonts, m_owner);
    codes.exec();
}

void ModalDialogs::showShortcutKeys()
{
    FrmSneltoetsen keys(m_fonts, m_owner);
    keys.exec();
}

} // namespace Woord
