#pragma once

#include "ui/widgets/controls.h"

class QListWidget;

namespace Woord {

class DesignFonts;

// The list of the Internet's country codes and other top-level domains, with
// the name of each; filled afresh every time it opens. Only its button (or
// the window's own close) closes it: Escape does nothing.
class FrmLandenCodes final : public Controls::DialogWithoutCancel
{
    Q_OBJECT

public:
    explicit FrmLandenCodes(const DesignFonts &fonts, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();

    QListWidget *Lst_LandenCodes = nullptr;
};

} // namespace Woord
