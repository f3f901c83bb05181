#include "form_view.h"

#include <QLocale>
#include <QMessageBox>

#include "command_guard.h"
#include "ui_tolbrek_window.h"

namespace tolbrek {

namespace {

void ShowBox(QWidget& parent, QMessageBox::Icon icon, const std::string& text)
{
    QMessageBox box(icon, QStringLiteral("Tolbrek"), QString::fromStdString(text), QMessageBox::Ok,
                    &parent);
    // A file name or a caliber may look like markup; it is shown as typed.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

QLineEdit* FormView::fieldFor(LoadField field) const
{
    switch (field) {
        case LoadField::Caliber:
            return m_ui.txtCalib;
        case LoadField::Bullet:
            return m_ui.txtBulwt;
        case LoadField::Powder:
            return m_ui.txtPdrchg;
        case LoadField::Velocity:
            return m_ui.txtVel;
        case LoadField::Gun:
            return m_ui.txtGunwt;
        case LoadField::Recoil:
            return m_ui.txtCaluc;
        case LoadField::Energy:
            break;
    }
    return m_ui.txtEnergy;
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
    m_ui.List1->addItem(QString::fromStdString(line));
}

std::size_t FormView::lineCount() const
{
    return static_cast<std::size_t>(m_ui.List1->count());
}

std::string FormView::line(std::size_t index) const
{
    return m_ui.List1->item(static_cast<int>(index))->text().toStdString();
}

void FormView::showMessage(const std::string& text)
{
    ShowBox(m_window, QMessageBox::NoIcon, text);
}

void FormView::reportError(const Failure& failure)
{
    ShowBox(m_window, QMessageBox::Warning, ErrorReportText(failure));
}

std::string FormView::decimalSeparator() const
{
    return QLocale().decimalPoint().toStdString();
}

}  // namespace tolbrek
