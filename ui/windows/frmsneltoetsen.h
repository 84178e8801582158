#pragma once

#include "ui/widgets/controls.h"

class QLabel;

namespace Woord {

class DesignFonts;

// The list of the main window's shortcut keys, rebuilt every time it opens.
class FrmSneltoetsen final : public Controls::DialogWithoutCancel
{
    Q_OBJECT

public:
    explicit FrmSneltoetsen(const DesignFonts &fonts, QWidget *parent = nullptr);

    // The caption of the key list, before the label shows it.
    QString helpCaption() const { return m_caption; }

private:
    void Form_Load();

    QLabel *Lbl_Help = nullptr;
    QString m_caption;
};

} // namespace Woord
