// Searching the glossary from the main window. SearchStr holds the text being
// searched for; empty means no search is under way, and then F3 asks for one.

#include "ui/mainwindow/frmhoofd.h"

#include "ui/search/frmzoek.h"

namespace Woord {

void FrmHoofd::StartSearch()
{
    bool fromStart = false;
    if (!FrmZoek::GetSearchStr(fromStart, SearchStr, [this] { OpenHelpFile(); }))
        return;
    // An empty text confirmed ends any search under way.
    if (SearchStr.isEmpty())
        return;
    SearchTerms(fromStart);
}

void FrmHoofd::ContinueSearch()
{
    if (SearchStr.isEmpty()) {
        StartSearch();
        return;
    }
    SearchTerms(false);
}

void FrmHoofd::SearchTerms(bool fromStart)
{
    const qint32 start = fromStart ? 1 : m_state.CurrRecord + 1;
    const qint32 hit = m_search ? m_search->SearchTerms(SearchStr, start) : 0;
    if (hit > 0) {
        m_state.CurrRecord = hit;
        ShowRecord();
        return;
    }
    // No wrap-around: the search ends here, and the next F3 asks anew.
    m_platform.showMessage(notFoundMessage(m_state.ProgrammaTitel, SearchStr));
    SearchStr.clear();
}

} // namespace Woord
