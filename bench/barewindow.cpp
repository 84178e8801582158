// The toolkit's floor for the start-up benchmark: a bare window of the main
// window's size, started, shown, painted once and ended the way the program
// is in that benchmark.

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class BareWindow final : public QWidget
{
protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            std::printf("%lld\n", static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QWidget::event(event);
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("Woordorakelaar v1.0"));
    window.resize(9720 / 15, 7980 / 15);
    window.show();
    return QApplication::exec();
}
