#include "message_presenter.h"

#include <QMessageBox>

namespace {

const QString kTitle = QStringLiteral("Tolbrek");

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

MessageBoxPresenter::MessageBoxPresenter(QWidget* parent) : m_parent(parent) {}

void MessageBoxPresenter::showMessage(const QString& text)
{
    ShowBox(m_parent, QMessageBox::NoIcon, text);
}

void MessageBoxPresenter::showError(const tolbrek::Failure& failure)
{
    ShowBox(m_parent, QMessageBox::Warning, ErrorReportText(failure));
}

QString ErrorReportText(const tolbrek::Failure& failure)
{
    return QStringLiteral(
               "Error %1: %2\n\nThe command was stopped. Everything in the window, "
               "the list included, is kept.")
        .arg(failure.number)
        .arg(QString::fromStdString(failure.description));
}
