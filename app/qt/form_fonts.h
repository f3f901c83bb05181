#pragma once

#include <QFont>
#include <QObject>

namespace tolbrek {

// While the form is built, gives each control its true font the moment the
// form names it, so that no control lays out its text twice and no font is
// looked for that the window does not show:
// - the form's Arial becomes the design's family (DesignFontFamily) as soon
//   as a control is given it;
// - the fractional point size and the letter spacing that the form carries
//   in dynamic properties (a form font holds whole points only) are applied
//   as soon as they are set, before the control gets its text;
// - the form's own font stands in as the application font, since a line
//   edit lays out its empty text in the application font before it takes
//   its own.
// Afterwards the application font is what it was.
class FormFonts final : public QObject {
public:
    explicit FormFonts(const QFont& formFont);
    ~FormFonts() override;
    FormFonts(const FormFonts&) = delete;
    FormFonts& operator=(const FormFonts&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFont m_applicationFont;
    QString m_family;
};

// Makes the application font the desktop's font, as it was before the form
// was built. Qt follows a desktop font change by itself only while a program
// has never set the application font, so the window calls this whenever the
// desktop's theme changes; message boxes take the application font.
void FollowDesktopFont();

}  // namespace tolbrek
