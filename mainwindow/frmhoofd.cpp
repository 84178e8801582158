#include "mainwindow/frmhoofd.h"

#include <QCloseEvent>
#include <QListView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Woord {

FrmHoofd::FrmHoofd(AppState &state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(state.glossary)
{
    setObjectName(u"FrmHoofd"_s);
    m_list = new QListView(this);
    m_list->setObjectName(u"List_Grid"_s);
    m_list->setUniformItemSizes(true);
    m_list->setModel(&m_model);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    resize(640, 480);
}

void FrmHoofd::showGlossary()
{
    m_model.reload();
    setWindowTitle(m_state.ProgrammaTitel);
}

void FrmHoofd::closeEvent(QCloseEvent *event)
{
    if (m_unload)
        m_unload();
    event->accept();
}

} // namespace Woord
