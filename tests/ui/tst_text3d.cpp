#include "ui/widgets/text3d.h"

#include <QLabel>
#include <QTest>

using namespace Woord;

class TestText3D : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void positions_data();
    void positions();
    void twiceIsOnce();
    void textsColoursAndTransparency();
    void emptyTexts();
    void mainLabelInFront();
    void hiddenWhileRearranged();

private:
    void apply(const QString &text, qint16 style, qint16 depth);

    QWidget *m_window = nullptr;
    QLabel *m_main = nullptr;
    QLabel *m_shadow = nullptr;
    QLabel *m_highlight = nullptr;
};

void TestText3D::init()
{
    m_window = new QWidget;
    m_window->resize(400, 100);
    // Companions start somewhere else, hidden and opaque, as laid out.
    m_shadow = new QLabel(QStringLiteral("Label3"), m_window);
    m_shadow->setGeometry(300, 4, 88, 33);
    m_shadow->setAutoFillBackground(true);
    m_shadow->hide();
    m_highlight = new QLabel(QStringLiteral("Label2"), m_window);
    m_highlight->setGeometry(10, 0, 93, 33);
    m_highlight->setAutoFillBackground(true);
    m_highlight->hide();
    m_main = new QLabel(QStringLiteral("*****"), m_window);
    m_main->setGeometry(13, 4, 222, 32);
    m_main->setAutoFillBackground(true);
    m_window->show();
}

void TestText3D::cleanup()
{
    delete m_window;
}

void TestText3D::apply(const QString &text, qint16 style, qint16 depth)
{
    Text3D::Apply3DEffect(m_main, m_shadow, m_highlight, text, style, Qt::black, depth);
}

void TestText3D::positions_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QPoint>("shadow");
    QTest::addColumn<QPoint>("highlight");

    QTest::newRow("raised, depth 1") << 1 << 1 << QPoint(14, 5) << QPoint(12, 3);
    QTest::newRow("raised, depth 3") << 1 << 3 << QPoint(16, 7) << QPoint(10, 1);
    QTest::newRow("sunken, depth 1") << 2 << 1 << QPoint(12, 3) << QPoint(14, 5);
    QTest::newRow("depth 0 lies exactly behind") << 1 << 0 << QPoint(13, 4) << QPoint(13, 4);
    QTest::newRow("style 3 leaves them in place") << 3 << 1 << QPoint(300, 4) << QPoint(10, 0);
    QTest::newRow("style 0 leaves them in place") << 0 << 1 << QPoint(300, 4) << QPoint(10, 0);
}

void TestText3D::positions()
{
    QFETCH(int, style);
    QFETCH(int, depth);
    QFETCH(QPoint, shadow);
    QFETCH(QPoint, highlight);

    apply(QStringLiteral("Internet"), static_cast<qint16>(style), static_cast<qint16>(depth));
    QCOMPARE(m_main->pos(), QPoint(13, 4));
    QCOMPARE(m_shadow->pos(), shadow);
    QCOMPARE(m_highlight->pos(), highlight);
    // Sizes follow the main label whatever the style.
    QCOMPARE(m_shadow->size(), m_main->size());
    QCOMPARE(m_highlight->size(), m_main->size());
}

void TestText3D::twiceIsOnce()
{
    apply(QStringLiteral("Byte"), Text3D::Raised, 1);
    const QRect shadow = m_shadow->geometry();
    const QRect highlight = m_highlight->geometry();
    apply(QStringLiteral("Byte"), Text3D::Raised, 1);
    apply(QString(), Text3D::Raised, 1);
    QCOMPARE(m_shadow->geometry(), shadow);
    QCOMPARE(m_highlight->geometry(), highlight);
    QCOMPARE(m_main->geometry(), QRect(13, 4, 222, 32));
}

void TestText3D::textsColoursAndTransparency()
{
    apply(QStringLiteral("Cache"), Text3D::Raised, 1);
    for (QLabel *label : {m_main, m_shadow, m_highlight}) {
        QCOMPARE(label->text(), QStringLiteral("Cache"));
        QVERIFY(!label->autoFillBackground());
        QVERIFY(label->isVisible());
    }
    QCOMPARE(m_main->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(m_shadow->palette().color(QPalette::Active, QPalette::WindowText), QColor(128, 128, 128));
    QCOMPARE(m_highlight->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 255, 255));

    // An empty text keeps the main label's caption and copies it.
    m_main->setText(QStringLiteral("Modem"));
    apply(QString(), Text3D::Raised, 1);
    QCOMPARE(m_shadow->text(), QStringLiteral("Modem"));
    QCOMPARE(m_highlight->text(), QStringLiteral("Modem"));
}

void TestText3D::emptyTexts()
{
    m_main->setText(QString());
    apply(QString(), Text3D::Raised, 1);
    for (QLabel *label : {m_main, m_shadow, m_highlight}) {
        QCOMPARE(label->text(), QString());
        QVERIFY(label->isVisible());
    }
    QCOMPARE(m_shadow->pos(), QPoint(14, 5));
}

void TestText3D::mainLabelInFront()
{
    m_shadow->raise();
    apply(QStringLiteral("Pixel"), Text3D::Raised, 1);
    const QObjectList order = m_window->children();
    QCOMPARE(order.last(), m_main);
    // The companions keep their order between themselves.
    QVERIFY(order.indexOf(m_shadow) > order.indexOf(m_highlight));
    QCOMPARE(m_window->childAt(100, 15), m_main);
}

void TestText3D::hiddenWhileRearranged()
{
    // Every change to a label while it is visible would be painted; the
    // effect hides all three first, so none is seen half-way.
    struct Watch : QObject {
        QList<QWidget *> watched;
        bool changedWhileVisible = false;
        bool eventFilter(QObject *object, QEvent *event) override
        {
            const auto type = event->type();
            if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::PaletteChange)
                && static_cast<QWidget *>(object)->isVisible())
                changedWhileVisible = true;
            return false;
        }
    } watch;
    for (QLabel *label : {m_main, m_shadow, m_highlight})
        label->installEventFilter(&watch);
    apply(QStringLiteral("Router"), Text3D::Raised, 2);
    QVERIFY(!watch.changedWhileVisible);
    QVERIFY(m_main->isVisible() && m_shadow->isVisible() && m_highlight->isVisible());
}

QTEST_MAIN(TestText3D)
#include "tst_text3d.moc"
