#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

namespace Woord {

// The search dialog: a text box and the buttons "&Zoek eerste" (from the
// first entry), "Zoek &volgende" (from the entry after the current one) and
// "&Annuleren". It knows nothing of the glossary; GetSearchStr shows it.
class FrmZoek final : public QDialog
{
    Q_OBJECT

public:
    // helpRequested runs when F1 is pressed in the dialog, which stays open.
    explicit FrmZoek(std::function<void()> helpRequested, QWidget *parent = nullptr);

    // Shows the dialog modally. When the user pressed a find button, sets
    // fromStart (true for "&Zoek eerste") and searchStr (the text exactly as
    // typed) and returns true; otherwise returns false and changes neither.
    static bool GetSearchStr(bool &fromStart, QString &searchStr, const std::function<void()> &helpRequested);

    bool SearchOK = false;
    bool SearchFromStart = false;
    QString FindWhat;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void cmdFindFirst_Click();
    void cmdFindNext_Click();

    QLineEdit *txtFindWhat = nullptr;
    QPushButton *cmdFindFirst = nullptr;
    QPushButton *cmdFindNext = nullptr;
    QPushButton *cmdCancel = nullptr;
};

} // namespace Woord
