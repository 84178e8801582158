#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace Woord {

// The end of the user's session. When a desktop logs the user out it asks
// the running programs to end with SIGTERM or SIGHUP; the program then ends
// as when its window is closed, with its settings saved, instead of at once.
// The signals are turned into a call on the event loop, where closing the
// windows is safe.
class SessionEnd final : public QObject
{
    Q_OBJECT

public:
    // Calls onEnd, on the event loop, at each such signal from now on.
    explicit SessionEnd(std::function<void()> onEnd, QObject *parent = nullptr);
    ~SessionEnd() override;

private:
    void signalled();

    std::function<void()> m_onEnd;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace Woord
