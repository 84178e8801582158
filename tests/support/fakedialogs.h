#pragma once

#include "ui/search/frmzoek.h"
#include "ui/windows/dialogs.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

namespace Woord::Test {

// The main window's modal windows for tests: each showing is recorded and
// answered at once, as the test set it.
class FakeDialogs final : public Dialogs
{
public:
    bool GetSearchStr(bool &FromStart, QString &SearchStr) override;
    void showAbout(const AboutValues &values) override;
    void showCountryCodes() override { shown.append(QStringLiteral("countryCodes")); }
    void showShortcutKeys() override { shown.append(QStringLiteral("shortcutKeys")); }

    // The answers of the search dialog, one a showing, in order; when they
    // run out, the dialog is cancelled.
    QList<std::optional<SearchRequest>> searchAnswers;
    // Runs while the search dialog is "open", before it answers.
    std::function<void()> whileSearchOpen;

    QStringList shown; // "search", "about", "countryCodes", "shortcutKeys"
    QList<AboutValues> abouts;
};

} // namespace Woord::Test
