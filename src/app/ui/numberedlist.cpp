#include "app/ui/numberedlist.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "app/ui/text.h"

namespace orrowvale {

namespace {

// Where a row keeps its columns; the row's own text (what a screen reader reads)
// stays the whole row.
constexpr int kColumnsRole = Qt::UserRole + 1;

}  // namespace

// Draws a row with columns as cells at the list's column positions, so that the
// names, classes and figures of a list stand one under another.
class ColumnDelegate : public QStyledItemDelegate {
  public:
    explicit ColumnDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

    std::vector<int> widths;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QStringList cells = index.data(kColumnsRole).toStringList();
        if (cells.isEmpty()) return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem cellOption(option);
        initStyleOption(&cellOption, index);
        cellOption.text.clear();
        const QWidget* list = cellOption.widget;
        QStyle* style = list ? list->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cellOption, painter, list);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &cellOption, list);
        painter->save();
        painter->setPen(cellOption.palette.color(cellOption.state & QStyle::State_Selected
                                                     ? QPalette::HighlightedText
                                                     : QPalette::Text));
        int left = area.left();
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const int width = i < static_cast<qsizetype>(widths.size())
                                  ? widths[static_cast<std::size_t>(i)]
                                  : area.right() - left;
            painter->drawText(QRect(left, area.top(), width, area.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, cells[i]);
            left += width;
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (index.data(kColumnsRole).toStringList().isEmpty()) return size;
        int total = 0;
        for (int width : widths)
            total += width;
        size.setWidth(std::max(size.width(), total + 2 * option.fontMetrics.height()));
        return size;
    }
};

NumberedList::NumberedList(QWidget* parent, const char* objectName, QLabel* label)
    : QListWidget(parent), columns_(new ColumnDelegate(this)) {
    setItemDelegate(columns_);
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
    columns_->widths.clear();
    const int gap = fontMetrics().horizontalAdvance(QStringLiteral("   "));
    for (const ListRow& row : rows) {
        auto* item = new QListWidgetItem(qs(row.text), this);
        item->setData(Qt::UserRole, row.number);
        if (row.columns.empty()) continue;
        QStringList cells;
        for (std::size_t i = 0; i < row.columns.size(); ++i) {
            cells.append(qs(row.columns[i]));
            if (columns_->widths.size() <= i) columns_->widths.push_back(0);
            columns_->widths[i] =
                std::max(columns_->widths[i], fontMetrics().horizontalAdvance(cells.back()) + gap);
        }
        item->setData(kColumnsRole, cells);
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
