#include "tolbrek_window.h"

#include <QAbstractButton>
#include <QEvent>

#include "application_font.h"

namespace tolbrek {

namespace {

using Slot = void (TolbrekWindow::*)();

Slot SlotFor(Command command)
{
    switch (command) {
        case Command::Calculate:
            return &TolbrekWindow::cmdCalc_Click;
        case Command::ClearAll:
            return &TolbrekWindow::cmdClear_Click;
        case Command::PopulateList:
            return &TolbrekWindow::cmdPopulate_Click;
        case Command::SaveData:
            break;
    }
    return &TolbrekWindow::cmdSave_Click;
}

}  // namespace

TolbrekWindow::TolbrekWindow(CommandServices services, QWidget* parent)
    : QWidget(parent),
      m_controls(BuildWindowControls(*this)),
      m_notice(new LateFailureNotice(*this)),
      m_view(m_controls, *this, *m_notice),
      m_commands(m_view, std::move(services))
{
    const QString title = QString::fromUtf8(kWindowTitle.data(), qsizetype(kWindowTitle.size()));
    setObjectName(title);
    setWindowTitle(title);
    setFixedSize(PixelsFromTwips(kClientWidthTwips, 96), PixelsFromTwips(kClientHeightTwips, 96));
    // The focus starts where Tab starts: in the first control that takes it.
    QWidget* first = nullptr;
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        const ControlDesign& design = kWindowDesign[index];
        if (design.command) {
            connect(static_cast<QAbstractButton*>(m_controls[index]), &QAbstractButton::clicked,
                    this, SlotFor(*design.command));
        }
        if (!first && TakesFocus(design.kind)) first = m_controls[index];
    }
    if (first) first->setFocus();
}

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
