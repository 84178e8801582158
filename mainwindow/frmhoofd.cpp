#include "mainwindow/frmhoofd.h"

#include "mainwindow/startup.h"

#include <QCloseEvent>
#include <QListView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Woord {

FrmHoofd::FrmHoofd(Platform &platform, AppState &state, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
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
    // Closing the window in any way unloads the program.
    unloadProgram(m_platform, m_state, *this);
    event->accept();
}

} // namespace Woord
