// Every window on a high-DPI screen looks like its rendering at scale 1, only
// sharper: its texts keep their shapes and places (a face that cannot scale
// draws small letters spread apart), and its pictures have the detail of their
// larger versions instead of blown-up pixels. The windows are rendered by the
// screenshots tool, once at scale 1 and once at each higher scale.

#include <QDir>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

struct Rendering {
    QString folder;
    QString suffix;
    QHash<QString, QList<QRect>> pictures; // window name -> where its pictures lie
    QHash<QString, QList<QList<int>>> pointers; // window name -> width, height, hot spot x, y
    QHash<QString, QList<int>> iconSizes; // window name -> sizes of its icon's images
};

// Grey levels, 0..255, of an image.
QImage grey(const QImage &image)
{
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// The largest difference in mean grey level between the two images (same
// size) over squares of `block` pixels: how much ink, or light, a square
// holds, whatever the shapes of the letters in it.
double largestBlockDifference(const QImage &a, const QImage &b, int block, QPoint *where)
{
    double largest = 0;
    for (int top = 0; top < a.height(); top += block) {
        for (int left = 0; left < a.width(); left += block) {
            const int bottom = std::min(a.height(), top + block);
            const int right = std::min(a.width(), left + block);
            long sum = 0;
            for (int y = top; y < bottom; ++y) {
                const uchar *lineA = a.constScanLine(y);
                const uchar *lineB = b.constScanLine(y);
                for (int x = left; x < right; ++x)
                    sum += int(lineA[x]) - int(lineB[x]);
            }
            const double mean = std::abs(double(sum)) / ((bottom - top) * (right - left));
            if (mean > largest) {
                largest = mean;
                *where = QPoint(left, top);
            }
        }
    }
    return largest;
}

double meanDifference(const QImage &a, const QImage &b)
{
    long sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar *lineA = a.constScanLine(y);
        const uchar *lineB = b.constScanLine(y);
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(int(lineA[x]) - int(lineB[x]));
    }
    return double(sum) / (a.width() * a.height());
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void looksLikeItsRenderingAtScaleOne_data();
    void looksLikeItsRenderingAtScaleOne();

private:
    const Rendering *render(const QString &scale);

    QTemporaryDir m_folder;
    QHash<QString, Rendering> m_renderings;
};

void TestHighDpi::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QVERIFY(render(QStringLiteral("1")));
}

const Rendering *TestHighDpi::render(const QString &scale)
{
    if (m_renderings.contains(scale))
        return &m_renderings[scale];
    Rendering rendering;
    rendering.folder = m_folder.filePath(scale);
    rendering.suffix = scale == QStringLiteral("1") ? QString() : u'@' + scale + u'x';
    QProcess tool;
    tool.start(QStringLiteral(SCREENSHOTS_PATH), {rendering.folder, scale});
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        qWarning("%s", tool.readAllStandardError().constData());
        return nullptr;
    }
    // "NAME: "title"" starts a window; "picture OBJECT x y w h" lines follow.
    QString window;
    for (const QByteArray &line : tool.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() >= 2 && words.first().endsWith(':'))
            window = QString::fromLatin1(words.first().chopped(1));
        else if (words.size() == 6 && words.first() == "picture")
            rendering.pictures[window].append(
                QRect(words.at(2).toInt(), words.at(3).toInt(), words.at(4).toInt(), words.at(5).toInt()));
        else if (words.size() == 6 && words.first() == "pointer")
            rendering.pointers[window].append(
                {words.at(2).toInt(), words.at(3).toInt(), words.at(4).toInt(), words.at(5).toInt()});
        else if (words.first() == "icon")
            for (const QByteArray &size : words.mid(1))
                rendering.iconSizes[window].append(size.toInt());
    }
    m_renderings.insert(scale, rendering);
    return &m_renderings[scale];
}

void TestHighDpi::looksLikeItsRenderingAtScaleOne_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QList<QRect>>("backgrounds"); // painted pictures, not in a label
    for (const char *scale : {"2", "1.5", "1.25"}) {
        for (const char *window : {"FrmHoofd", "FrmZoek", "FrmAbout3D", "FrmLandenCodes", "FrmSneltoetsen"}) {
            QList<QRect> backgrounds;
            // The About picture's sparkles and rings, clear of the texts.
            if (qstrcmp(window, "FrmAbout3D") == 0)
                backgrounds << QRect(380, 150, 150, 80);
            QTest::addRow("%s at %s", window, scale)
                << QString::fromLatin1(window) << QString::fromLatin1(scale) << backgrounds;
        }
    }
}

void TestHighDpi::looksLikeItsRenderingAtScaleOne()
{
    QFETCH(QString, window);
    QFETCH(QString, scale);
    QFETCH(QList<QRect>, backgrounds);
#ifdef Q_OS_WIN
    if (scale.contains(u'.'))
        QSKIP("the headless platform on Windows has no font configuration: its text engine fits every letter to "
              "whole pixels, which spreads small letters apart at a scale between whole numbers. The Windows "
              "desktop draws text with its own engine, through the windows platform");
#endif
    const Rendering *one = render(QStringLiteral("1"));
    const Rendering *high = render(scale);
    QVERIFY(one && high);
    const double factor = scale.toDouble();
    const QImage small = grey(QImage(one->folder + u'/' + window + QStringLiteral(".png")));
    const QImage large = grey(QImage(high->folder + u'/' + window + high->suffix + QStringLiteral(".png")));
    QVERIFY(!small.isNull() && !large.isNull());
    QVERIFY2(std::abs(large.width() - small.width() * factor) <= 1
                 && std::abs(large.height() - small.height() * factor) <= 1,
             qPrintable(QStringLiteral("%1x%2 at %3, %4x%5 at 1")
                            .arg(large.width())
                            .arg(large.height())
                            .arg(scale)
                            .arg(small.width())
                            .arg(small.height())));

    // Scaled down, the window is its rendering at scale 1, square by square:
    // the same ink in the same places. Letters that do not grow with the
    // scale leave their squares pale.
    const QImage down = large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPoint where;
    const double largest = largestBlockDifference(small, down, 12, &where);
    const double mean = meanDifference(small, down);
    qInfo("%s at %s: mean difference %.2f, largest over a square %.2f at (%d, %d)", qPrintable(window),
          qPrintable(scale), mean, largest, where.x(), where.y());
    QVERIFY2(mean <= 8.0, qPrintable(QStringLiteral("mean difference %1").arg(mean)));
    QVERIFY2(largest <= 32.0,
             qPrintable(QStringLiteral("difference %1 at (%2, %3)").arg(largest).arg(where.x()).arg(where.y())));

    // Where a pixel becomes four, the pictures have the detail of their larger
    // versions, not the small picture's pixels blown up, sharp or smoothed.
    if (scale != QStringLiteral("2"))
        return;
    // A picture in a label has sharp edges; the About picture is soft all
    // over, and differs from its small version blown up by far less (about
    // half a grey level on average, against none when it is missing).
    QList<std::pair<QRect, double>> pictures;
    for (const QRect &picture : one->pictures.value(window))
        pictures.append({picture, 1.5});
    for (const QRect &picture : backgrounds)
        pictures.append({picture, 0.2});
    for (const auto &[picture, least] : pictures) {
        const QRect area(picture.topLeft() * 2, picture.size() * 2);
        const QImage part = small.copy(picture);
        const QImage shown = large.copy(area);
        const double detail = std::min(
            meanDifference(shown, part.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)),
            meanDifference(shown, part.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        qInfo("  picture at (%d, %d): %.2f from the small one blown up", picture.x(), picture.y(), detail);
        QVERIFY2(detail >= least,
                 qPrintable(QStringLiteral("the picture at (%1, %2) is the small one blown up (%3)")
                                .arg(picture.x())
                                .arg(picture.y())
                                .arg(detail)));
    }
    const QList<QList<int>> smallPointers = one->pointers.value(window);
    const QList<QList<int>> largePointers = high->pointers.value(window);
    QCOMPARE(largePointers.size(), smallPointers.size());
    for (qsizetype i = 0; i < largePointers.size(); ++i) {
        const QList<int> &p1 = smallPointers.at(i);
        const QList<int> &p2 = largePointers.at(i);
        QCOMPARE(QSize(p2.at(0), p2.at(1)), QSize(p1.at(0), p1.at(1)) * 2); // twice the pixels
        QCOMPARE(QPoint(p2.at(2), p2.at(3)), QPoint(p1.at(2), p1.at(3))); // the same point
    }
    if (high->iconSizes.contains(window)) {
        const QList<int> sizes = high->iconSizes.value(window);
        QVERIFY2(std::find(sizes.begin(), sizes.end(), 64) != sizes.end(),
                 "no 64-pixel image for a 32-pixel icon at scale 2");
    }
}

QTEST_GUILESS_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
