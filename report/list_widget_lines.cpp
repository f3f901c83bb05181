#include "list_widget_lines.h"

#include <QListWidget>

void ListWidgetLines::append(const std::string& line)
{
    m_list.addItem(QString::fromStdString(line));
}

std::size_t ListWidgetLines::count() const
{
    return static_cast<std::size_t>(m_list.count());
}

std::string ListWidgetLines::line(std::size_t index) const
{
    return m_list.item(static_cast<int>(index))->text().toStdString();
}
