#pragma once

#include "load_list.h"

class QListWidget;

// The load list as the window shows it: one list box line for each line.
class ListWidgetLines final : public tolbrek::LoadList {
public:
    explicit ListWidgetLines(QListWidget& list) : m_list(list) {}
    void append(const std::string& line) override;
    std::size_t count() const override;
    std::string line(std::size_t index) const override;

private:
    QListWidget& m_list;
};
