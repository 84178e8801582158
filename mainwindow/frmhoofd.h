#pragma once

#include "mainwindow/appstate.h"
#include "mainwindow/termlistmodel.h"

#include <QWidget>

#include <functional>

class QListView;

namespace Woord {

// The main window: the term list of the loaded glossary.
class FrmHoofd final : public QWidget
{
    Q_OBJECT

public:
    explicit FrmHoofd(AppState &state, QWidget *parent = nullptr);

    // Run when the window is unloaded, whatever the reason.
    void setUnloadHandler(std::function<void()> handler) { m_unload = std::move(handler); }

    // Fills the list after the glossary was loaded.
    void showGlossary();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    AppState &m_state;
    TermListModel m_model;
    QListView *m_list = nullptr;
    std::function<void()> m_unload;
};

} // namespace Woord
