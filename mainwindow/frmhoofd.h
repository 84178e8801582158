#pragma once

#include "mainwindow/appstate.h"
#include "mainwindow/termlistmodel.h"
#include "platform/platform.h"

#include <QWidget>

class QListView;

namespace Woord {

// The main window: the term list of the loaded glossary.
class FrmHoofd final : public QWidget
{
    Q_OBJECT

public:
    FrmHoofd(Platform &platform, AppState &state, QWidget *parent = nullptr);

    // Fills the list after the glossary was loaded.
    void showGlossary();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Platform &m_platform;
    AppState &m_state;
    TermListModel m_model;
    QListView *m_list = nullptr;
};

} // namespace Woord
