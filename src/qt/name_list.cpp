// The sorted name list shared by Select Test and Edit Test. Platform side (Qt).
#include "qt/name_list.h"

#include <QCollator>
#include <QMouseEvent>
#include <algorithm>
#include <vector>

#include "app/dialog_actions.h"
#include "app/dialog_layout.h"
#include "qt/code_page_text.h"

namespace keyrill::qt {
namespace {

constexpr int kNameRole = Qt::UserRole;  // the name's bytes, exactly as stored

}  // namespace

TestNameList::TestNameList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setUniformItemSizes(true);
  setAccessibleName(QStringLiteral(DLG_LIST_ACCESSIBLE));  // no visible label
}

void TestNameList::Fill(const Program& program) {
  struct Entry {
    std::string bytes;
    QString text;
  };
  std::vector<Entry> entries;
  ListNames(program, [&entries, &program](const char* name) {
    entries.push_back({name, DecodeBytes(name, program.codePage)});
  });
  // The user's locale decides the order, as a sorted Windows list box does ("Ecole"
  // with the E's, not after "Zulu"). Stable, so names that compare equal keep their
  // order in the file.
  // The C locale only compares code points; a user without a language set still
  // gets the language-neutral order then.
  QLocale locale;
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::English);
  QCollator collator(locale);
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(entries.begin(), entries.end(), [&collator](const Entry& a, const Entry& b) {
    return collator.compare(a.text, b.text) < 0;
  });
  clear();
  for (const Entry& entry : entries) {
    auto* item = new QListWidgetItem(entry.text, this);
    item->setData(kNameRole,
                  QByteArray(entry.bytes.data(), static_cast<qsizetype>(entry.bytes.size())));
  }
}

std::optional<std::string> TestNameList::SelectedName() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return selected.first()->data(kNameRole).toByteArray().toStdString();
}

void TestNameList::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && onDoubleClick_) onDoubleClick_();
}

}  // namespace keyrill::qt
