#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

namespace Woord::Test {

// Runs `act` on the modal window of type T as soon as it is open, from inside
// its own event loop. The event loop may turn before the window opens (a key
// press that opens it can flush pending events first), so a missing window is
// looked for again, a bounded number of times, before the test fails.
template<typename T>
void whenModalOpens(std::function<void(T *)> act, int attemptsLeft = 2000)
{
    QTimer::singleShot(attemptsLeft == 2000 ? 0 : 1, qApp, [act, attemptsLeft] {
        auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window) {
            if (attemptsLeft > 0)
                whenModalOpens<T>(act, attemptsLeft - 1);
            else
                QTest::qFail("the expected modal window did not open", __FILE__, __LINE__);
            return;
        }
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowExposed(window) || !QTest::qWaitForWindowActive(window))
            QTest::qFail("the modal window did not become visible and active", __FILE__, __LINE__);
        act(window);
        // A check that failed inside `act` left early: close the window, so
        // the test goes on instead of waiting for ever.
        if (window->isVisible())
            window->close();
    });
}

} // namespace Woord::Test
