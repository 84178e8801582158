// The toolkit's floor for the start-up benchmark: a bare window of the main
// window's size, started, shown, painted once and ended the way the program
// is in that benchmark.

#include "bench/firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Woord::Bench::EndsAtFirstPaint<QWidget> window;
    window.setWindowTitle(QStringLiteral("Woordorakelaar v1.0"));
    window.resize(9720 / 15, 7980 / 15);
    window.show();
    return QApplication::exec();
}
