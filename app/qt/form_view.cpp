#include "form_view.h"

#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>

#include "box_input_guard.h"
#include "command_guard.h"
#include "late_failure_notice.h"
#include "window_design.h"

namespace tolbrek {

namespace {

void ShowBox(QWidget& parent, QMessageBox::Icon icon, const std::string& text)
{
    QMessageBox box(icon, QStringLiteral("Tolbrek"), QString::fromStdString(text), QMessageBox::Ok,
                    &parent);
    // A file name or a caliber may look like markup; it is shown as typed.
    box.setTextFormat(Qt::PlainText);
    const BoxInputGuard guard(box);
    box.exec();
}

}  // namespace

FormView::FormView(const WindowControls& controls, QWidget& window, LateFailureNotice& notice)
    : m_controls(controls), m_window(window), m_notice(notice)
{
}

QLineEdit* FormView::fieldFor(LoadField field) const
{
    return static_cast<QLineEdit*>(m_controls[IndexOf(field)]);
}

QListWidget* FormView::list() const
{
    return static_cast<QListWidget*>(m_controls[ListIndex()]);
}

std::string FormView::text(LoadField field) const
{
    return fieldFor(field)->text().toStdString();
}

void FormView::setText(LoadField field, const std::string& text)
{
    fieldFor(field)->setText(QString::fromStdString(text));
}

void FormView::appendLine(const std::string& line)
{
    list()->addItem(QString::fromStdString(line));
}

std::size_t FormView::lineCount() const
{
    return static_cast<std::size_t>(list()->count());
}

std::string FormView::line(std::size_t index) const
{
    return list()->item(static_cast<int>(index))->text().toStdString();
}

void FormView::showMessage(const std::string& text)
{
    ShowBox(m_window, QMessageBox::NoIcon, text);
}

void FormView::reportError(const Failure& failure)
{
    ShowBox(m_window, QMessageBox::Warning, ErrorReportText(failure));
}

void FormView::showLateFailure(const Failure& failure)
{
    m_notice.add(QString::fromStdString(ErrorReportText(failure)));
}

std::string FormView::decimalSeparator() const
{
    return QLocale().decimalPoint().toStdString();
}

}  // namespace tolbrek
