#include "core/mainwindow/termlistmodel.h"

namespace Woord {

TermListModel::TermListModel(const Glossary &glossary, QObject *parent)
    : QAbstractListModel(parent)
    , m_glossary(glossary)
{
}

int TermListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_glossary.AantalBegrippen();
}

QVariant TermListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_glossary.Begrip(index.row() + 1);
    return {};
}

void TermListModel::reload()
{
    beginResetModel();
    endResetModel();
}

} // namespace Woord
