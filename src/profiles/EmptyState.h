#pragma once

#include <QWidget>
#include <string_view>

namespace quillmere {

// What stands where there is nothing to show: a large symbol, a title and a description, centred.
class EmptyState final : public QWidget {
  public:
    EmptyState(std::string_view symbol, const QString& title, const QString& description, QWidget* parent = nullptr);
};

} // namespace quillmere
