// Showing the current entry and moving through the glossary. Every change of
// CurrRecord is followed by a full ShowRecord. Setting the scroll bar runs its
// change handler and selecting a list row runs the list's handler, nested and
// at once; each recomputes the same CurrRecord, so the nesting settles by
// itself with term, description, counter, scroll bar and row in step.

#include "ui/mainwindow/frmhoofd.h"

#include "core/mainwindow/display.h"
#include "core/mainwindow/statushelp.h"
#include "ui/widgets/text3d.h"

#include <QLabel>
#include <QScrollBar>

#include <limits>

namespace Woord {

void FrmHoofd::ShowRecord()
{
    const Glossary &glossary = m_state.glossary;
    if (glossary.AantalBegrippen() <= 0) {
        EnableRecordLabels(false);
        Lbl_Begrip->setText(QString());
        Lbl_Beschrijving->setText(QString());
        describeRecordLabels(QString());
        Lbl_CurrRecord->setText(QString::fromUtf16(Display::emptyGlossaryText));
        HScroll_Record->setValue(1);
        return;
    }

    const BegripRecord record = glossary.Begrippen(m_state.CurrRecord);
    EnableRecordLabels(true);
    Lbl_Begrip->setText(record.Begrip);
    Text3D::Apply3DEffect(Lbl_Begrip, Label3, Label2, Lbl_Begrip->text(), Text3D::Raised, Qt::black, 1);
    Lbl_Beschrijving->setText(record.Beschrijving);
    describeRecordLabels(record.Begrip);
    Lbl_CurrRecord->setText(Display::counterText(m_state.CurrRecord, glossary.AantalBegrippen()));
    HScroll_Record->setMaximum(glossary.AantalBegrippen());
    HScroll_Record->setValue(m_state.CurrRecord);
}

void FrmHoofd::describeRecordLabels(const QString &term)
{
    // A screen reader hears the status line texts of the term and the
    // description with the term on display; with no term there is nothing
    // to describe.
    for (QLabel *label : {Lbl_Begrip, Lbl_Beschrijving})
        label->setAccessibleDescription(term.isEmpty() ? QString() : StatusHelp::textFor(label->objectName(), term));
}

void FrmHoofd::EnableRecordLabels(bool enabled)
{
    Lbl_Begrip->setEnabled(enabled);
    Lbl_Beschrijving->setEnabled(enabled);
}

void FrmHoofd::SyncListIndex()
{
    selectListRow(m_state.CurrRecord - 1);
}

void FrmHoofd::selectListRow(int row)
{
    // A row outside the list (or outside 16 bits) is passed over silently.
    if (row < 0 || row > std::numeric_limits<qint16>::max() || row >= m_model.rowCount())
        return;
    const QModelIndex index = m_model.index(row);
    List_Grid->setCurrentIndex(index);
    List_Grid->scrollTo(index);
}

void FrmHoofd::PreviousRecord()
{
    // An empty glossary has nowhere to go: every step beeps.
    if (m_state.glossary.AantalBegrippen() <= 0 || m_state.CurrRecord <= 1) {
        m_platform.beep();
        return;
    }
    m_state.CurrRecord -= 1;
    ShowRecord();
    SyncListIndex();
}

void FrmHoofd::NextRecord()
{
    if (m_state.glossary.AantalBegrippen() <= 0 || m_state.CurrRecord >= m_state.glossary.AantalBegrippen()) {
        m_platform.beep();
        return;
    }
    m_state.CurrRecord += 1;
    ShowRecord();
    SyncListIndex();
}

void FrmHoofd::FirstRecord()
{
    if (m_state.glossary.AantalBegrippen() <= 0 || m_state.CurrRecord == 1) {
        m_platform.beep();
        return;
    }
    m_state.CurrRecord = 1;
    ShowRecord();
    SyncListIndex();
}

void FrmHoofd::LastRecord()
{
    if (m_state.glossary.AantalBegrippen() <= 0 || m_state.CurrRecord == m_state.glossary.AantalBegrippen()) {
        m_platform.beep();
        return;
    }
    m_state.CurrRecord = m_state.glossary.AantalBegrippen();
    ShowRecord();
    SyncListIndex();
}

void FrmHoofd::HScroll_Record_Change(int value)
{
    if (m_state.glossary.AantalBegrippen() <= 0)
        return;
    m_state.CurrRecord = value;
    ShowRecord();
    SyncListIndex();
}

void FrmHoofd::List_Grid_Click()
{
    const QModelIndex current = List_Grid->currentIndex();
    if (!current.isValid())
        return;
    m_state.CurrRecord = current.row() + 1;
    ShowRecord();
}

} // namespace Woord
