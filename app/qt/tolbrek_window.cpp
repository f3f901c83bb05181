#include "tolbrek_window.h"

#include <limits>

#include "first_line_validator.h"
#include "form_fonts.h"
#include "ui_tolbrek_window.h"

namespace tolbrek {

namespace {

// The form's font, as its top widget has it.
QFont FormFont()
{
    return QFont(QStringLiteral("Arial"), 12);
}

}  // namespace

TolbrekWindow::TolbrekWindow(CommandServices services, QWidget* parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::Tolbrek>()),
      m_view(*m_ui, *this),
      m_commands(m_view, std::move(services))
{
    {
        const FormFonts fonts(FormFont());
        m_ui->setupUi(this);
    }
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

bool TolbrekWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ThemeChange) FollowDesktopFont();
    return QWidget::event(event);
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
