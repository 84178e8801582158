#pragma once

#include "core/glossary/glossary.h"

#include <QAbstractListModel>

namespace Woord {

// The rows of the term list: row r shows the term of record r + 1. The model
// reads the table in place, so even 32767 rows cost nothing to fill.
class TermListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit TermListModel(const Glossary &glossary, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Call after the glossary behind the model was replaced.
    void reload();

private:
    const Glossary &m_glossary;
};

} // namespace Woord
