#include "tolbrek_window.h"

#include <QVariant>
#include <limits>

#include "first_line_validator.h"
#include "ui_tolbrek_window.h"

namespace tolbrek {

namespace {

// uic writes whole point sizes only; a control whose size has a fraction
// carries it in this dynamic property of the form.
constexpr const char* kPointSizeProperty = "pointSizeF";
// Letter spacing in pixels, which a form font cannot hold either: a caption
// that is a pixel wider than its box is tightened rather than clipped.
constexpr const char* kLetterSpacingProperty = "letterSpacing";

}  // namespace

TolbrekWindow::TolbrekWindow(CommandServices services, QWidget* parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::Tolbrek>()),
      m_view(*m_ui, *this),
      m_commands(m_view, std::move(services))
{
    m_ui->setupUi(this);
    applyFontDetails();
    auto* firstLine = new FirstLineValidator(this);
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        // A field holds as much text as is typed or pasted into it.
        field->setMaxLength(std::numeric_limits<int>::max());
        field->setValidator(firstLine);
    }
    connect(m_ui->cmdCalc, &QAbstractButton::clicked, this, &TolbrekWindow::cmdCalc_Click);
    connect(m_ui->cmdClear, &QAbstractButton::clicked, this, &TolbrekWindow::cmdClear_Click);
    connect(m_ui->cmdPopulate, &QAbstractButton::clicked, this, &TolbrekWindow::cmdPopulate_Click);
    connect(m_ui->cmdSave, &QAbstractButton::clicked, this, &TolbrekWindow::cmdSave_Click);
    m_ui->txtBulwt->setFocus();
}

TolbrekWindow::~TolbrekWindow() = default;

void TolbrekWindow::applyFontDetails()
{
    for (QWidget* control : findChildren<QWidget*>()) {
        const QVariant size = control->property(kPointSizeProperty);
        const QVariant spacing = control->property(kLetterSpacingProperty);
        if (!size.isValid() && !spacing.isValid()) continue;
        QFont font = control->font();
        if (size.isValid()) font.setPointSizeF(size.toDouble());
        if (spacing.isValid()) font.setLetterSpacing(QFont::AbsoluteSpacing, spacing.toDouble());
        control->setFont(font);
    }
}

void TolbrekWindow::cmdCalc_Click()
{
    m_commands.run(Command::Calculate);
}

void TolbrekWindow::cmdClear_Click()
{
    m_commands.run(Command::ClearAll);
}

void TolbrekWindow::cmdPopulate_Click()
{
    m_commands.run(Command::PopulateList);
}

void TolbrekWindow::cmdSave_Click()
{
    m_commands.run(Command::SaveData);
}

}  // namespace tolbrek
