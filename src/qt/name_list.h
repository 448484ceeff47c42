// The list of test names in Select Test and Edit Test: every name of the library in
// the locale's case-insensitive order (duplicates kept), and a double-click that
// reports whichever entry is selected. Platform side (Qt).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QListWidget>
#include <functional>
#include <optional>
#include <string>

#include "program/program.h"

namespace keyrill::qt {

class TestNameList final : public QListWidget {
 public:
  explicit TestNameList(QWidget* parent);

  // Refills the list from the library.
  void Fill(const Program& program);
  // The selected entry's name as stored (bytes), or nothing when none is selected.
  std::optional<std::string> SelectedName() const;
  // A double-click anywhere in the list, as a list box notifies it: the handler
  // asks for the selection itself.
  void SetDoubleClickHandler(std::function<void()> handler) { onDoubleClick_ = std::move(handler); }

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  std::function<void()> onDoubleClick_;
};

}  // namespace keyrill::qt
