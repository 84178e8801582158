#pragma once

// The end of a baseline window in the start-up benchmark: at its first paint
// it prints the moment (steady clock ticks) and ends the application, as the
// program does when the benchmark runs it.

#include <QCoreApplication>
#include <QEvent>

#include <chrono>
#include <cstdio>

namespace Woord::Bench {

template<typename Window>
class EndsAtFirstPaint : public Window
{
public:
    using Window::Window;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            std::printf("%lld\n", static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return Window::event(event);
    }

private:
    bool m_painted = false;
};

} // namespace Woord::Bench
