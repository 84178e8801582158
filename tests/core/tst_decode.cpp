#include "core/glossary/codepage.h"
#include "core/glossary/encrypt.h"

#include <QTest>

using namespace Woord;

class TestDecode : public QObject
{
    Q_OBJECT

private slots:
    void byteRule_data();
    void byteRule();
    void keyAdjustments_data();
    void keyAdjustments();
    void everyPlainCodeRoundTrips();
    void lengthLimit();
    void codePage_data();
    void codePage();
    void notInTheCodePage_data();
    void notInTheCodePage();
    void textWithOneHighCode();
};

void TestDecode::byteRule_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("plain");

    for (const int k : {1, Encrypt::builtInKey, 100, 254}) {
        const QByteArray name = "key " + QByteArray::number(k);
        QTest::newRow(name + ": code K gives 0") << k << k << 0;
        QTest::newRow(name + ": code 0 gives 255-K") << k << 0 << 255 - k;
        QTest::newRow(name + ": code 255 also gives 255-K") << k << 255 << 255 - k;
        QTest::newRow(name + ": code K-1 gives 254") << k << k - 1 << 254;
        QTest::newRow(name + ": code 254 gives 254-K") << k << 254 << 254 - k;
    }
}

void TestDecode::byteRule()
{
    QFETCH(int, key);
    QFETCH(int, code);
    QFETCH(int, plain);

    const char byte = static_cast<char>(code);
    const Encrypt::DecodeResult result = Encrypt::Decode(QByteArrayView(&byte, 1), key);
    QCOMPARE(result.error, ErrorKind::None);
    QCOMPARE(result.text.size(), 1);
    QCOMPARE(result.text.at(0).unicode(), CodePage::toUnicode(static_cast<unsigned char>(plain)));
}

void TestDecode::keyAdjustments_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("effective");

    QTest::newRow("0 is the built-in key") << 0 << Encrypt::builtInKey;
    QTest::newRow("below 0 is the built-in key") << -3 << Encrypt::builtInKey;
    QTest::newRow("1 stays") << 1 << 1;
    QTest::newRow("254 stays") << 254 << 254;
    QTest::newRow("255 is 254") << 255 << 254;
    QTest::newRow("300 is 254") << 300 << 254;
    QTest::newRow("32767 is 254") << 32767 << 254;
}

void TestDecode::keyAdjustments()
{
    QFETCH(int, key);
    QFETCH(int, effective);

    QCOMPARE(Encrypt::effectiveKey(key), effective);
    // And Decode itself decodes with that key: "A" scrambled with it comes back.
    const char scrambled = static_cast<char>(Encrypt::encodeByte('A', effective));
    QCOMPARE(Encrypt::Decode(QByteArrayView(&scrambled, 1), key).text, QStringLiteral("A"));
}

void TestDecode::everyPlainCodeRoundTrips()
{
    for (int k = 1; k <= 254; ++k) {
        for (int p = 0; p <= 254; ++p) {
            const unsigned char stored = Encrypt::encodeByte(static_cast<unsigned char>(p), k);
            // Encoding never writes a NUL byte: code 0 and 255 decode alike, 255 is the one written.
            QVERIFY2(stored != 0, qPrintable(QStringLiteral("key %1 code %2 encodes to 0").arg(k).arg(p)));
            QVERIFY2(Encrypt::decodeByte(stored, k) == p, qPrintable(QStringLiteral("key %1 code %2").arg(k).arg(p)));
        }
    }
}

void TestDecode::lengthLimit()
{
    QCOMPARE(Encrypt::Decode(QByteArray(), 0).text, QString());
    QCOMPARE(Encrypt::Decode(QByteArray(), 0).error, ErrorKind::None);

    const Encrypt::DecodeResult longest = Encrypt::Decode(QByteArray(32767, 'H'), 0);
    QCOMPARE(longest.error, ErrorKind::None);
    QCOMPARE(longest.text, QString(32767, u'A'));

    const Encrypt::DecodeResult tooLong = Encrypt::Decode(QByteArray(32768, 'H'), 0);
    QCOMPARE(tooLong.error, ErrorKind::Overflow);
    QVERIFY(tooLong.text.isEmpty());
}

void TestDecode::codePage_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("unicode");

    QTest::newRow("ASCII") << int('a') << int('a');
    QTest::newRow("last ASCII code") << 0x7F << 0x7F;
    QTest::newRow("no-break space, first after 0x9F") << 0xA0 << 0xA0;
    QTest::newRow("euro sign") << 0x80 << 0x20AC;
    QTest::newRow("left double quote") << 0x93 << 0x201C;
    QTest::newRow("undefined 0x81 stays a control") << 0x81 << 0x81;
    QTest::newRow("capital Y with diaeresis") << 0x9F << 0x0178;
    QTest::newRow("e acute") << 0xE9 << 0xE9;
    QTest::newRow("e diaeresis") << 0xEB << 0xEB;
    QTest::newRow("i diaeresis") << 0xEF << 0xEF;
    QTest::newRow("y diaeresis") << 0xFF << 0xFF;
}

void TestDecode::codePage()
{
    QFETCH(int, code);
    QFETCH(int, unicode);

    QCOMPARE(int(CodePage::toUnicode(static_cast<unsigned char>(code))), unicode);
    QCOMPARE(CodePage::fromUnicode(static_cast<char32_t>(unicode)), code);
}

void TestDecode::notInTheCodePage_data()
{
    QTest::addColumn<int>("unicode");
    QTest::newRow("U+0080, whose code is the euro sign's") << 0x80;
    QTest::newRow("U+009F, whose code is Y with diaeresis") << 0x9F;
    QTest::newRow("first past Latin-1") << 0x100;
    QTest::newRow("arrow") << 0x2192;
}

void TestDecode::notInTheCodePage()
{
    QFETCH(int, unicode);
    QCOMPARE(CodePage::fromUnicode(static_cast<char32_t>(unicode)), -1);
}

// A text is mapped through the code page when any one of its bytes lies in
// 0x80..0x9F, wherever it stands.
void TestDecode::textWithOneHighCode()
{
    QCOMPARE(CodePage::toUnicode(QByteArrayView("prijs \x80 5")), QStringLiteral("prijs \u20AC 5"));
    QCOMPARE(CodePage::toUnicode(QByteArrayView("\x9F")), QStringLiteral("\u0178"));
    QCOMPARE(CodePage::toUnicode(QByteArrayView("caf\xE9 \x7F\xA0")), QStringLiteral("caf\u00E9 \u007F\u00A0"));
}

QTEST_APPLESS_MAIN(TestDecode)
#include "tst_decode.moc"
