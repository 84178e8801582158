#include "core/mainwindow/greeting.h"

using namespace Qt::StringLiterals;

namespace Woord::Greeting {

std::optional<QString> suffix(int hour)
{
    const struct {
        int from;
        int to;
        const char16_t *wish;
    } ranges[] = {
        {0, 5, u" wenst u een goede nacht"},       {5, 9, u" wenst u een goede morgen"},
        {9, 11, u" wenst u een goede voormiddag"}, {11, 13, u" wenst u een goede middag"},
        {13, 17, u" wenst u een goede namiddag"},  {17, 23, u" wenst u een goede avond"},
    };
    for (const auto &range : ranges) {
        if (hour >= range.from && hour <= range.to)
            return QString::fromUtf16(range.wish);
    }
    return std::nullopt;
}

std::optional<QString> ShowGreetingText(const QString &companyName, int hour)
{
    const std::optional<QString> wish = suffix(hour);
    if (!wish)
        return std::nullopt;
    return companyName + *wish;
}

} // namespace Woord::Greeting
