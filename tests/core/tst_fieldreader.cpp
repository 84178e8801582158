#include "core/glossary/fieldreader.h"

#include <QTest>

using namespace Woord;

Q_DECLARE_METATYPE(Woord::ErrorKind)

class TestFieldReader : public QObject
{
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
    void numbers_data();
    void numbers();
};

void TestFieldReader::texts_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QList<QByteArray>>("fields");

    using L = QList<QByteArray>;
    QTest::newRow("comma and CR LF") << QByteArray("a,b\r\nc\r\n") << L{"a", "b", "c"};
    QTest::newRow("lone LF is a line end") << QByteArray("a\nb\nc") << L{"a", "b", "c"};
    QTest::newRow("lone CR is a line end") << QByteArray("a\rb") << L{"a", "b"};
    QTest::newRow("term and description on two lines") << QByteArray("\"t\"\r\n\"d\"\r\n") << L{"t", "d"};
    QTest::newRow("quoted field keeps commas") << QByteArray("\"a, b\",c") << L{"a, b", "c"};
    QTest::newRow("quotes are not part of the value") << QByteArray("\"\"") << L{""};
    QTest::newRow("leading spaces skipped") << QByteArray("   a,  \" b\"") << L{"a", " b"};
    QTest::newRow("leading space kept inside quotes") << QByteArray("\" x\"") << L{" x"};
    QTest::newRow("text after closing quote passed over") << QByteArray("\"a\"junk,b") << L{"a", "b"};
    QTest::newRow("unquoted header stops at its comma")
        << QByteArray(";woordorakelaar databestand, verander") << L{";woordorakelaar databestand", "verander"};
    QTest::newRow("empty field between commas") << QByteArray("a,,b") << L{"a", "", "b"};
    QTest::newRow("empty line is an empty field") << QByteArray("a\r\n\r\nb") << L{"a", "", "b"};
    QTest::newRow("unterminated quote runs to the end") << QByteArray("\"abc, def") << L{"abc, def"};
    QTest::newRow("line end inside quotes belongs to the text") << QByteArray("\"a\r\nb\"") << L{"a\r\nb"};
    // Long runs are scanned a block at a time: separators and the end of a
    // run of blanks at and around the block edges.
    for (const int at : {4095, 4096, 4097, 8200}) {
        const QByteArray run(at, 'x');
        QTest::addRow("separator after %d characters", at) << run + ",b" << L{run, "b"};
        QTest::addRow("CR after %d characters", at) << run + "\rb" << L{run, "b"};
        QTest::addRow("%d blanks, then a field", at) << QByteArray(at, ' ') + "a" << L{"a"};
        QTest::addRow("quoted, %d characters of junk after it", at) << "\"q\"" + run + "\nb" << L{"q", "b"};
    }
    QTest::newRow("blanks and a tab") << QByteArray(4100, ' ') + "\t," << L{"\t"};
    QTest::newRow("nothing but blanks") << QByteArray(9000, ' ') << L{};
    QTest::newRow("nothing") << QByteArray() << L{};
    QTest::newRow("only a line end") << QByteArray("\r\n") << L{""};
}

void TestFieldReader::texts()
{
    QFETCH(QByteArray, input);
    QFETCH(QList<QByteArray>, fields);

    FieldReader reader(input);
    for (const QByteArray &expected : fields) {
        QByteArrayView field;
        QCOMPARE(reader.readText(field), ErrorKind::None);
        QCOMPARE(field.toByteArray(), expected);
    }
    QByteArrayView past;
    QCOMPARE(reader.readText(past), ErrorKind::InputPastEnd);
    QVERIFY(reader.atEnd());
}

void TestFieldReader::numbers_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<ErrorKind>("error");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << QByteArray("1250") << ErrorKind::None << 1250;
    QTest::newRow("negative with spaces") << QByteArray("  -5") << ErrorKind::None << -5;
    QTest::newRow("plus sign") << QByteArray("+7") << ErrorKind::None << 7;
    QTest::newRow("quoted") << QByteArray("\"12\"") << ErrorKind::None << 12;
    QTest::newRow("not a number is 0") << QByteArray("abc") << ErrorKind::None << 0;
    QTest::newRow("empty is 0") << QByteArray(",") << ErrorKind::None << 0;
    QTest::newRow("trailing text ignored") << QByteArray("3x") << ErrorKind::None << 3;
    QTest::newRow("half rounds to even, down") << QByteArray("2.5") << ErrorKind::None << 2;
    QTest::newRow("half rounds to even, up") << QByteArray("3.5") << ErrorKind::None << 4;
    QTest::newRow("fraction rounds") << QByteArray("-1.7") << ErrorKind::None << -2;
    QTest::newRow("nines in the fraction") << QByteArray("0.99") << ErrorKind::None << 1;
    QTest::newRow("only a fraction") << QByteArray(".7") << ErrorKind::None << 1;
    QTest::newRow("a zero inside the fraction") << QByteArray("2.50001") << ErrorKind::None << 3;
    QTest::newRow("just under a half") << QByteArray("3.49") << ErrorKind::None << 3;
    QTest::newRow("just under a half, negative") << QByteArray("-7.4999") << ErrorKind::None << -7;
    QTest::newRow("a point without digits is 0") << QByteArray("-.") << ErrorKind::None << 0;
    QTest::newRow("spaces inside the quotes") << QByteArray("\"  42\"") << ErrorKind::None << 42;
    QTest::newRow("largest 32-bit") << QByteArray("2147483647") << ErrorKind::None << 2147483647;
    QTest::newRow("smallest 32-bit") << QByteArray("-2147483648") << ErrorKind::None << int(-2147483648LL);
    QTest::newRow("beyond 32 bits overflows") << QByteArray("2147483648") << ErrorKind::Overflow << 0;
    QTest::newRow("huge overflows") << QByteArray(400, '9') << ErrorKind::Overflow << 0;
    QTest::newRow("past the end") << QByteArray() << ErrorKind::InputPastEnd << 0;
}

void TestFieldReader::numbers()
{
    QFETCH(QByteArray, input);
    QFETCH(ErrorKind, error);
    QFETCH(int, value);

    FieldReader reader(input);
    qint32 number = 0;
    QCOMPARE(reader.readNumber(number), error);
    if (error == ErrorKind::None)
        QCOMPARE(number, value);
}

QTEST_APPLESS_MAIN(TestFieldReader)
#include "tst_fieldreader.moc"
