// The main window's keys and status line. The window watches its own
// platform window, so it sees every key press once, before the control that
// has the focus; it acts on the function keys and Ctrl+F and leaves the key to
// that control as well. Moving the mouse over a
// control of the status table puts its help text in the status line; over the
// bare window (where only lines and the tip's shapes lie) the greeting.

#include "ui/mainwindow/frmhoofd.h"

#include "core/mainwindow/greeting.h"
#include "core/mainwindow/statushelp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QWindow>

namespace Woord {

void FrmHoofd::watchKeys()
{
    // The platform window is made when the window is first shown, after
    // start-up has placed it: a window placed before it exists is placed by
    // its outer frame, as the place was stored. Its keys are watched from then.
    if (windowHandle())
        windowHandle()->installEventFilter(this);
}

bool FrmHoofd::event(QEvent *event)
{
    if (event->type() == QEvent::WinIdChange)
        watchKeys();
    return QMainWindow::event(event);
}

void FrmHoofd::watchMouse()
{
    m_surface->setMouseTracking(true);
    m_surface->installEventFilter(this);
    for (QWidget *child : m_surface->findChildren<QWidget *>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
        // Lines and the tip's shapes take no mouse input: the window's own
        // surface lies under them.
        const bool decoration
            = child->objectName().startsWith(QLatin1String("Line")) || child->objectName() == QLatin1String("Shp_Tip");
        if (decoration)
            child->setAttribute(Qt::WA_TransparentForMouseEvents);
        else if (child->parentWidget() == m_surface)
            child->setAttribute(Qt::WA_NoMousePropagation);
    }
}

bool FrmHoofd::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        Form_KeyDown(key->key(), key->modifiers());
        return QMainWindow::eventFilter(watched, event);
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove && !static_cast<QMouseEvent *>(event)->buttons()) {
        if (widget == m_surface)
            ShowGreeting();
        else if (m_surface->isAncestorOf(widget))
            mouseMovedOver(widget);
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmHoofd::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_F1:
        OpenHelpFile();
        break;
    case Qt::Key_F4:
        if (modifiers & Qt::AltModifier)
            close();
        break;
    case Qt::Key_F3:
        ContinueSearch();
        break;
    case Qt::Key_F5:
        PreviousRecord();
        break;
    case Qt::Key_F6:
        NextRecord();
        break;
    case Qt::Key_F7:
        FirstRecord();
        break;
    case Qt::Key_F8:
        LastRecord();
        break;
    case Qt::Key_F:
        if (modifiers & Qt::ControlModifier)
            StartSearch();
        break;
    default:
        break;
    }
}

void FrmHoofd::mouseMovedOver(QWidget *control)
{
    // A part of a control (the list's rows, its scroll bar) counts as the control.
    for (QWidget *w = control; w && w != m_surface; w = w->parentWidget()) {
        const QString text = StatusHelp::textFor(w->objectName());
        if (!text.isEmpty()) {
            Lbl_StatusHelp->setText(text);
            return;
        }
    }
}

void FrmHoofd::ShowGreeting()
{
    const int hour = m_platform.timeOfDay().hour();
    if (const std::optional<QString> text = Greeting::ShowGreetingText(m_facts.companyName, hour))
        Lbl_StatusHelp->setText(*text);
}

} // namespace Woord
