// The start-up benchmark's baseline: a plain Qt program that shows the main
// window's widgets, in the same fonts, places and sizes, with a plain list
// view of 32767 rows of uniform size, and reads nothing. It is started,
// painted once and ended the way the program is in that benchmark.

#include "bench/firstpaint.h"
#include "ui/widgets/designfonts.h"
#include "ui/widgets/twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>

namespace {

using Woord::Twips::toPixels;

class PlainWindow final : public Woord::Bench::EndsAtFirstPaint<QMainWindow>
{
public:
    explicit PlainWindow(const Woord::DesignFonts &fonts)
    {
        setWindowTitle(QStringLiteral("Woordorakelaar v1.0"));
        setFont(fonts.font(QStringLiteral("MS Sans Serif"), 8.25));
        for (const char *menu : {"&Sluiten", "&Begrippenlijst", "&Info", "&Extra", "&Help"})
            menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("&Item"));
        auto *surface = new QWidget(this);
        surface->setFixedSize(toPixels(0, 0, 9720, 7980).size());
        setCentralWidget(surface);

        QStringList terms;
        terms.reserve(32767);
        for (int i = 1; i <= 32767; ++i)
            terms.append(QStringLiteral("Begrip %1").arg(i, 5, 10, QLatin1Char('0')));
        m_model.setStringList(terms);
        auto *list = new QListView(surface);
        list->setGeometry(toPixels(100, 750, 3765, 5790));
        list->setFont(fonts.tahoma(9.75));
        list->setUniformItemSizes(true);
        list->setModel(&m_model);
        list->setCurrentIndex(m_model.index(16383));
        list->scrollTo(m_model.index(16383));

        const auto label = [surface](const QString &text, const QRect &place, const QFont &font) {
            auto *l = new QLabel(text, surface);
            l->setGeometry(place);
            l->setFont(font);
            l->setWordWrap(true);
            return l;
        };
        label(QStringLiteral("Begrip 16384"), toPixels(195, 60, 9330, 480), fonts.tahoma(20.25, true));
        label(QStringLiteral("Begrip 16384"), toPixels(150, 0, 1395, 495), fonts.tahoma(20.25, true));
        label(QStringLiteral("Begrip 16384"), toPixels(8235, 60, 1320, 495), fonts.tahoma(20.25, true));
        label(QString(300, QLatin1Char('o')), toPixels(4065, 795, 5445, 5655), fonts.tahoma(9.75, true));
        label(QStringLiteral("16384 van 32767"), toPixels(120, 6555, 9435, 255), fonts.tahoma(9.75));
        label(QStringLiteral("Woordorakelaar v1.0"), toPixels(90, 7515, 9555, 240), fonts.tahoma(9));
        label(QStringLiteral("F3 om te zoeken"), toPixels(8145, 7005, 1185, 195), font());

        auto *frame = new QGroupBox(surface);
        frame->setGeometry(toPixels(2025, 6810, 5655, 555));
        for (const auto &[text, place] :
             {std::pair{"<", toPixels(60, 165, 345, 315)}, std::pair{">", toPixels(5220, 165, 345, 315)}}) {
            auto *button = new QPushButton(QString::fromLatin1(text), frame);
            button->setGeometry(place);
            button->setFont(fonts.font(QStringLiteral("Arial"), 12, true));
        }
        auto *bar = new QScrollBar(Qt::Horizontal, frame);
        bar->setGeometry(toPixels(405, 165, 4815, 315));
        bar->setRange(1, 32767);
        bar->setValue(16384);
    }

private:
    QStringListModel m_model;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const Woord::DesignFonts fonts;
    PlainWindow window(fonts);
    window.show();
    return QApplication::exec();
}
