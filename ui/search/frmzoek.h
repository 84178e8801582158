#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;

namespace Woord {

class DesignFonts;

// What the user asked the search dialog for.
struct SearchRequest {
    bool fromStart = false; // "&Zoek eerste": from the first entry
    QString text; // exactly as typed

    friend bool operator==(const SearchRequest &, const SearchRequest &) = default;
};

// The search dialog: a text box and the buttons "&Zoek eerste" (from the
// first entry), "Zoek &volgende" (from the entry after the current one) and
// "&Annuleren". It knows nothing of the glossary.
class FrmZoek final : public QDialog
{
    Q_OBJECT

public:
    // helpRequested runs when F1 is pressed in the dialog, which stays open.
    FrmZoek(const DesignFonts &fonts, std::function<void()> helpRequested, QWidget *parent = nullptr);

    // The dialog's result: what a find button asked for, or nothing when it
    // was cancelled or closed in any other way.
    const std::optional<SearchRequest> &request() const { return m_request; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void find(bool fromStart);

    std::optional<SearchRequest> m_request;
    QLineEdit *txtFindWhat = nullptr;
    QPushButton *cmdFindNext = nullptr;
};

} // namespace Woord
