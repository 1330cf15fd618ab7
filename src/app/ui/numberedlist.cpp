#include "app/ui/numberedlist.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <optional>

#include "app/ui/text.h"

namespace orrowvale {

namespace {

// Where a row keeps its columns; the row's own text (what a screen reader reads)
// stays the whole row.
constexpr int kColumnsRole = Qt::UserRole + 1;

}  // namespace

// Draws a row with columns as cells at the list's column positions, so that the
// names, classes and figures of a list stand one under another. The columns are
// measured with the very font the rows are painted in (a list's own font may not
// be the one its rows get, before it is shown or under another style), and a cell
// too wide for its column is cut with "...", so no cell ever runs into the next.
class ColumnDelegate : public QStyledItemDelegate {
  public:
    explicit ColumnDelegate(QAbstractItemView* list) : QStyledItemDelegate(list), list_(list) {}

    // The rows have changed: the columns are measured again at the next paint.
    void forgetWidths() { measuredFor_.reset(); }

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
        const std::vector<int>& columns = widthsFor(cellOption.font);
        const QFontMetrics metrics(cellOption.font);
        painter->save();
        painter->setFont(cellOption.font);
        painter->setPen(cellOption.palette.color(cellOption.state & QStyle::State_Selected
                                                     ? QPalette::HighlightedText
                                                     : QPalette::Text));
        const int gap = gapFor(metrics);
        int left = area.left();
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const bool last = i + 1 == cells.size() || i >= static_cast<qsizetype>(columns.size());
            const int width =
                last ? std::max(0, area.right() + 1 - left) : columns[static_cast<std::size_t>(i)];
            // A column keeps one blank of its gap even for its widest cell.
            const int room = last ? width : std::max(0, width - gap / 3);
            painter->drawText(QRect(left, area.top(), room, area.height()),
                              Qt::AlignLeft | Qt::AlignVCenter,
                              metrics.elidedText(cells[i], Qt::ElideRight, room));
            left += width;
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (index.data(kColumnsRole).toStringList().isEmpty()) return size;
        QStyleOptionViewItem cellOption(option);
        initStyleOption(&cellOption, index);
        int total = 0;
        for (int width : widthsFor(cellOption.font))
            total += width;
        size.setWidth(std::max(size.width(), total + 2 * QFontMetrics(cellOption.font).height()));
        return size;
    }

  private:
    static int gapFor(const QFontMetrics& metrics) {
        return metrics.horizontalAdvance(QStringLiteral("   "));
    }

    // Each column as wide as its widest cell in `font`, with a gap after it.
    const std::vector<int>& widthsFor(const QFont& font) const {
        if (measuredFor_ && *measuredFor_ == font) return widths_;
        const QFontMetrics metrics(font);
        widths_.clear();
        const QAbstractItemModel* rows = list_->model();
        for (int row = 0; rows && row < rows->rowCount(); ++row) {
            const QStringList cells = rows->index(row, 0).data(kColumnsRole).toStringList();
            for (qsizetype i = 0; i < cells.size(); ++i) {
                const auto column = static_cast<std::size_t>(i);
                if (widths_.size() <= column) widths_.push_back(0);
                widths_[column] = std::max(widths_[column],
                                           metrics.horizontalAdvance(cells[i]) + gapFor(metrics));
            }
        }
        measuredFor_ = font;
        return widths_;
    }

    QAbstractItemView* list_;
    mutable std::optional<QFont> measuredFor_;
    mutable std::vector<int> widths_;
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
    columns_->forgetWidths();
    for (const ListRow& row : rows) {
        auto* item = new QListWidgetItem(qs(row.text), this);
        item->setData(Qt::UserRole, row.number);
        if (row.columns.empty()) continue;
        QStringList cells;
        for (const std::string& cell : row.columns)
            cells.append(qs(cell));
        item->setData(kColumnsRole, cells);
    }
    setCurrentRow(-1);
    if (keep) choose(*keep);
    quiet.unblock();
    emit itemSelectionChanged();
}

void NumberedList::keyPressEvent(QKeyEvent* event) {
    QListWidget::keyPressEvent(event);
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (event->modifiers() == Qt::NoModifier && selectedItems().isEmpty() && currentItem())
                currentItem()->setSelected(true);
            break;
        default:
            break;
    }
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
