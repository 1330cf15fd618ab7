#pragma once

#include <QListWidget>
#include <optional>
#include <string>
#include <vector>

#include "listrow.h"

class QComboBox;
class QLabel;

namespace orrowvale {

class ColumnDelegate;

// A list whose rows stand for numbered things: each row keeps the number of its
// adventurer, party or slot in the item's data, so no window keeps a row-to-number
// map of its own. The chosen row is the selected one, however it was selected (a
// click, the keyboard, a screen reader); a current row the player has deselected
// with Ctrl+Space is not a choice. Rows given in columns are drawn with their cells
// lined up, while each row's text stays whole for a screen reader.
class NumberedList : public QListWidget {
  public:
    // The list with its object name; `label`, when given, is the list's visible
    // caption: its buddy and, trimmed, the list's accessible name.
    NumberedList(QWidget* parent, const char* objectName, QLabel* label = nullptr);

    // Shows `rows`; the row of `keep` is chosen again when it is still listed,
    // otherwise nothing is chosen.
    void fill(const ListRows& rows, std::optional<int> keep = std::nullopt);
    // The number of the chosen row, or nothing.
    std::optional<int> chosen() const;
    // Chooses the row of `number`; false when no row stands for it.
    bool choose(int number);
    // The number that `row` stands for.
    int numberAt(int row) const;
    // The numbers of all rows, top to bottom.
    std::vector<int> numbers() const;

  protected:
    // An arrow key on a list whose frame stands on an unselected row (the only row,
    // or the first one, when the list has just taken the focus) selects that row,
    // so the keyboard never needs Space to choose.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Lines up the cells of rows that come in columns.
    ColumnDelegate* columns_;
};

// A combo box of numbered things keeps each number in its item's data, as the list
// does. Shows `rows` with nothing chosen; its handlers are not told, the caller
// decides what follows.
void fillNumbered(QComboBox& combo, const ListRows& rows);
// The number of the chosen item of `combo`, or nothing.
std::optional<int> chosenNumber(const QComboBox& combo);

}  // namespace orrowvale
