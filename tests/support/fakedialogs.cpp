#include "tests/support/fakedialogs.h"

namespace Woord::Test {

bool FakeDialogs::GetSearchStr(bool &FromStart, QString &SearchStr)
{
    shown.append(QStringLiteral("search"));
    if (whileSearchOpen)
        whileSearchOpen();
    const std::optional<SearchRequest> answer = searchAnswers.isEmpty() ? std::nullopt : searchAnswers.takeFirst();
    if (!answer)
        return false;
    FromStart = answer->fromStart;
    SearchStr = answer->text;
    return true;
}

void FakeDialogs::showAbout(const AboutValues &values)
{
    shown.append(QStringLiteral("about"));
    abouts.append(values);
}

} // namespace Woord::Test
