// The search dialog on its own, shown as the program shows it, and worked as
// a user works it; and its showing through the real dialogs, modal.

#include "tests/support/fakeplatform.h"
#include "ui/search/frmzoek.h"
#include "ui/widgets/designfonts.h"
#include "ui/windows/dialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Woord;

namespace {

struct Answer {
    bool result = false;
    bool fromStart = false;
    QString text;
};

// Shows a new dialog, lets `act` work it, and gives what it asked for.
Answer ask(const std::function<void(FrmZoek *)> &act, std::function<void()> help = {})
{
    static const DesignFonts fonts;
    FrmZoek dialog(fonts, std::move(help));
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    if (!QTest::qWaitForWindowActive(&dialog))
        QTest::qFail("the search dialog did not become active", __FILE__, __LINE__);
    act(&dialog);
    Answer answer;
    if (dialog.request()) {
        answer = {true, dialog.request()->fromStart, dialog.request()->text};
        if (dialog.isVisible())
            QTest::qFail("a find button left the dialog open", __FILE__, __LINE__);
    }
    return answer;
}

void type(FrmZoek *dialog, const QString &text)
{
    auto *box = dialog->findChild<QLineEdit *>(QStringLiteral("txtFindWhat"));
    QVERIFY(box);
    QCOMPARE(box->text(), QString()); // empty at every opening
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClicks(box, text);
}

} // namespace

class TestFrmZoek : public QObject
{
    Q_OBJECT

private slots:
    void enterFindsFromTheStart();
    void findNextFromTheCurrent();
    void cancelLeavesTheCallersValues_data();
    void cancelLeavesTheCallersValues();
    void emptyAndSpacedTexts();
    void enterOnAFocusedButtonPressesIt();
    void tabOrder();
    void layoutAndTitle();
    void f1AsksForHelpAndStaysOpen();
    void f1WithModifiersAsksForHelp_data();
    void f1WithModifiersAsksForHelp();
    void shownModallyLeavesTheCallersValues();
};

void TestFrmZoek::enterFindsFromTheStart()
{
    const Answer answer = ask([](FrmZoek *dialog) {
        type(dialog, QStringLiteral("Net"));
        QTest::keyClick(dialog->findChild<QLineEdit *>(QStringLiteral("txtFindWhat")), Qt::Key_Return);
    });
    QVERIFY(answer.result);
    QVERIFY(answer.fromStart);
    QCOMPARE(answer.text, QStringLiteral("Net"));
}

void TestFrmZoek::findNextFromTheCurrent()
{
    const Answer answer = ask([](FrmZoek *dialog) {
        type(dialog, QStringLiteral("byte"));
        QTest::keyClick(dialog->windowHandle(), Qt::Key_V, Qt::AltModifier);
        // An access key presses its button the way a click does, a moment later.
        QTRY_VERIFY(!dialog->isVisible());
    });
    QVERIFY(answer.result);
    QVERIFY(!answer.fromStart);
    QCOMPARE(answer.text, QStringLiteral("byte"));
}

void TestFrmZoek::cancelLeavesTheCallersValues_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Escape") << 0;
    QTest::newRow("Annuleren") << 1;
    QTest::newRow("Alt+A") << 2;
    QTest::newRow("closing the window") << 3;
}

// Every way of closing the window but a find button asks for nothing.
void TestFrmZoek::cancelLeavesTheCallersValues()
{
    QFETCH(int, how);
    const Answer answer = ask([how](FrmZoek *dialog) {
        type(dialog, QStringLiteral("nieuw"));
        if (how == 0)
            QTest::keyClick(dialog->findChild<QLineEdit *>(QStringLiteral("txtFindWhat")), Qt::Key_Escape);
        else if (how == 1)
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        else if (how == 2)
            QTest::keyClick(dialog->windowHandle(), Qt::Key_A, Qt::AltModifier);
        if (how != 3)
            QTRY_VERIFY(!dialog->isVisible());
        else
            dialog->close();
    });
    QVERIFY(!answer.result);
}

void TestFrmZoek::emptyAndSpacedTexts()
{
    Answer answer = ask([](FrmZoek *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdFindFirst")), Qt::LeftButton);
    });
    QVERIFY(answer.result);
    QCOMPARE(answer.text, QString());

    answer = ask([](FrmZoek *dialog) {
        type(dialog, QStringLiteral("  Hoofd Letters "));
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Z, Qt::AltModifier);
        QTRY_VERIFY(!dialog->isVisible());
    });
    QVERIFY(answer.result);
    QVERIFY(answer.fromStart);
    QCOMPARE(answer.text, QStringLiteral("  Hoofd Letters "));
}

void TestFrmZoek::enterOnAFocusedButtonPressesIt()
{
    Answer answer = ask([](FrmZoek *dialog) {
        type(dialog, QStringLiteral("x"));
        auto *next = dialog->findChild<QPushButton *>(QStringLiteral("cmdFindNext"));
        next->setFocus();
        QTest::keyClick(next, Qt::Key_Return);
    });
    QVERIFY(answer.result);
    QVERIFY(!answer.fromStart);

    answer = ask([](FrmZoek *dialog) {
        type(dialog, QStringLiteral("x"));
        auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel"));
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
    });
    QVERIFY(!answer.result);
}

void TestFrmZoek::tabOrder()
{
    QStringList order;
    ask([&order](FrmZoek *dialog) {
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        dialog->reject();
    });
    QCOMPARE(order,
             (QStringList{QStringLiteral("cmdFindFirst"), QStringLiteral("cmdCancel"), QStringLiteral("cmdFindNext"),
                          QStringLiteral("txtFindWhat")}));
}

void TestFrmZoek::layoutAndTitle()
{
    ask([](FrmZoek *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Zoeken - Typ tekst en druk op Enter"));
        QCOMPARE(dialog->size(), QSize(316, 83));
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("cmdFindFirst"))->text(),
                 QStringLiteral("&Zoek eerste"));
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("cmdFindNext"))->text(),
                 QStringLiteral("Zoek &volgende"));
        QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->text(), QStringLiteral("&Annuleren"));
        QVERIFY(dialog->findChild<QPushButton *>(QStringLiteral("cmdFindFirst"))->isDefault());
        auto *box = dialog->findChild<QLineEdit *>(QStringLiteral("txtFindWhat"));
        QVERIFY(box->font().bold());
        // Centred on the screen.
        const QRect screen = dialog->screen()->geometry();
        QVERIFY(qAbs(dialog->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(dialog->frameGeometry().center().y() - screen.center().y()) <= 1);
        dialog->reject();
    });
}

void TestFrmZoek::f1AsksForHelpAndStaysOpen()
{
    int helps = 0;
    const Answer answer = ask(
        [](FrmZoek *dialog) {
            type(dialog, QStringLiteral("help"));
            QTest::keyClick(dialog->findChild<QLineEdit *>(QStringLiteral("txtFindWhat")), Qt::Key_F1);
            QVERIFY(dialog->isVisible());
            QTest::keyClick(dialog->findChild<QLineEdit *>(QStringLiteral("txtFindWhat")), Qt::Key_Return);
        },
        [&helps] { ++helps; });
    QCOMPARE(helps, 1);
    QVERIFY(answer.result);
    QCOMPARE(answer.text, QStringLiteral("help"));
}

void TestFrmZoek::f1WithModifiersAsksForHelp_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("onButton");
    QTest::addColumn<bool>("withHelp"); // the dialog was given something to do on F1
    QTest::newRow("Shift, in the text box") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false << true;
    QTest::newRow("Ctrl, in the text box") << Qt::KeyboardModifiers(Qt::ControlModifier) << false << true;
    QTest::newRow("Alt, in the text box") << Qt::KeyboardModifiers(Qt::AltModifier) << false << true;
    QTest::newRow("Ctrl+Shift, on a button") << (Qt::ControlModifier | Qt::ShiftModifier) << true << true;
    QTest::newRow("Ctrl+Alt+Shift, on a button")
        << (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier) << true << true;
    QTest::newRow("no help to open") << Qt::KeyboardModifiers(Qt::NoModifier) << false << false;
}

void TestFrmZoek::f1WithModifiersAsksForHelp()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, onButton);
    QFETCH(bool, withHelp);
    int helps = 0;
    bool stayedOpen = false;
    const Answer answer = ask(
        [&stayedOpen, modifiers, onButton](FrmZoek *dialog) {
            if (onButton)
                dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->setFocus();
            QTest::keyClick(dialog->windowHandle(), Qt::Key_F1, modifiers);
            stayedOpen = dialog->isVisible();
            dialog->reject();
        },
        withHelp ? std::function<void()>([&helps] { ++helps; }) : std::function<void()>());
    QVERIFY(stayedOpen);
    QCOMPARE(helps, withHelp ? 1 : 0);
    QVERIFY(!answer.result);
}

// Shown modally through the real dialogs: a find button gives the caller
// its text and where to start; a cancel leaves the caller's own values.
void TestFrmZoek::shownModallyLeavesTheCallersValues()
{
    Test::FakePlatform platform;
    const DesignFonts fonts;
    ModalDialogs dialogs(platform, fonts);
    const auto answerWith = [](const QString &button, const QString &text) {
        // Run inside the dialog's own event loop, which shows it first.
        QTimer::singleShot(0, qApp, [button, text] {
            auto *dialog = qobject_cast<FrmZoek *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("txtFindWhat")), text);
            dialog->findChild<QPushButton *>(button)->click();
        });
    };
    bool fromStart = true;
    QString text = QStringLiteral("oud");
    answerWith(QStringLiteral("cmdCancel"), QStringLiteral("nieuw"));
    QVERIFY(!dialogs.GetSearchStr(fromStart, text));
    QVERIFY(fromStart);
    QCOMPARE(text, QStringLiteral("oud"));

    answerWith(QStringLiteral("cmdFindNext"), QStringLiteral("nieuw"));
    QVERIFY(dialogs.GetSearchStr(fromStart, text));
    QVERIFY(!fromStart);
    QCOMPARE(text, QStringLiteral("nieuw"));
}

QTEST_MAIN(TestFrmZoek)
#include "tst_frmzoek.moc"
