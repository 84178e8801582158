#pragma once

#include <QFont>
#include <QRect>

#include <thread>

// The windows are laid out for Tahoma, Arial, MS Sans Serif and Courier New.
// Where those are missing, metric-compatible look-alikes stand in, so that
// texts fit their boxes as laid out.
namespace Woord::DesignFonts {

// Loads the system's font configuration for the program's fonts. Where the
// platform has no font configuration, or it cannot be read, does nothing and
// leaves the toolkit to load it as it would.
void loadFontConfiguration();

// Runs loadFontConfiguration on a thread of its own from its making until
// wait() (or its end): made first thing in main(), before the application
// object, it waits before the first font is asked for.
class FontConfigurationLoader
{
public:
    FontConfigurationLoader();
    ~FontConfigurationLoader();
    FontConfigurationLoader(const FontConfigurationLoader &) = delete;
    FontConfigurationLoader &operator=(const FontConfigurationLoader &) = delete;

    void wait();

private:
    std::thread m_thread;
};

// Registers the look-alikes that are needed; call once, after the
// application object exists.
void install();

// The family a design font is asked for by: the family itself, or where the
// system lacks it, its look-alike (asked for by its own name, a family the
// system lacks would first be sought among all the system's fonts).
QString family(const QString &design);

// A design font, in family(design).
QFont font(const QString &family, double points, bool bold = false);
QFont tahoma(double points, bool bold = false);

// A place and size in twips as pixels: 15 twips to the pixel.
QRect twips(int left, int top, int width, int height);
int twipsToPixels(double twips);

} // namespace Woord::DesignFonts
