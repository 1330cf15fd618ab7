#include "app/ui/numberedlist.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "app/ui/text.h"

namespace orrowvale {

NumberedList::NumberedList(QWidget* parent, const char* objectName, QLabel* label)
    : QListWidget(parent) {
    setObjectName(QString::fromUtf8(objectName));
    if (label) {
        label->setBuddy(this);
        setAccessibleName(label->text().trimmed());
    }
}

void NumberedList::fill(const ListRows& rows, std::optional<int> keep) {
    // Refilling must not reach the window's selection handlers row by row.
    QSignalBlocker quiet(this);
    clear();
    for (const ListRow& row : rows) {
        auto* item = new QListWidgetItem(qs(row.text), this);
        item->setData(Qt::UserRole, row.number);
    }
    setCurrentRow(-1);
    if (keep) choose(*keep);
    quiet.unblock();
    emit itemSelectionChanged();
}

// The selection, not the current row: a screen reader selects a row through the
// accessibility interface without moving the current row.
std::optional<int> NumberedList::chosen() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return selected.front()->data(Qt::UserRole).toInt();
}

bool NumberedList::choose(int number) {
    for (int row = 0; row < count(); ++row) {
        if (numberAt(row) == number) {
            setCurrentRow(row);
            return true;
        }
    }
    return false;
}

int NumberedList::numberAt(int row) const {
    const QListWidgetItem* row_item = item(row);
    return row_item ? row_item->data(Qt::UserRole).toInt() : 0;
}

std::vector<int> NumberedList::numbers() const {
    std::vector<int> all;
    for (int row = 0; row < count(); ++row)
        all.push_back(numberAt(row));
    return all;
}

void fillNumbered(QComboBox& combo, const ListRows& rows) {
    const QSignalBlocker quiet(&combo);
    combo.clear();
    for (const ListRow& row : rows)
        combo.addItem(qs(row.text), row.number);
    combo.setCurrentIndex(-1);
}

std::optional<int> chosenNumber(const QComboBox& combo) {
    if (combo.currentIndex() < 0) return std::nullopt;
    return combo.currentData().toInt();
}

}  // namespace orrowvale
