#pragma once

#include "core/platform/platform.h"
#include "ui/widgets/controls.h"
#include "ui/windows/dialogs.h"

#include <QDialog>
#include <QPixmap>

#include <functional>

class QLabel;

namespace Woord {

// The About window: borderless, on its own picture, with the version, the
// glossary's date and size, and two links (the web site and a mail message).
// A link turns blue under the mouse, and both return to the button-text
// colour when the mouse moves over the window's own surface. It has no
// cancel button, so Escape closes nothing.

class FrmAbout3D final : public Controls::DialogWithoutCancel
{
    Q_OBJECT

public:
    FrmAbout3D(Platform &platform, const DesignFonts &fonts, const AboutValues &values,
               std::function<void()> helpRequested, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Form_MouseMove();
    void setLinkColour(QLabel *link, const QColor &colour);

    Platform &m_platform;
    const AboutValues m_values;
    QPixmap m_picture;
    QLabel *m_pressedLink = nullptr; // the link the left button went down on
    QLabel *Lbl_URL = nullptr;
    QLabel *Lbl_Email = nullptr;
    QLabel *Lbl_AboutKop = nullptr;
    QLabel *Lbl_DatabaseDatum = nullptr;
    QLabel *Lbl_AantalBegrippenInDatabase = nullptr;
};

} // namespace Woord
