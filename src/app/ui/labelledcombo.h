#pragma once

class QComboBox;
class QLabel;

namespace orrowvale {

// Makes `label` the caption of `combo` for the eye and for a screen reader: the label
// is the combo's buddy, the combo keeps the label's words as its accessible name (a
// combo box would otherwise be named by the item it shows, and "목적지" would be
// lost), and the item shown is its value and its description, which a screen reader
// speaks again whenever another item is chosen. What the window sets as the combo's
// accessible description (a route's cost and time) is read after the item.
void labelCombo(QLabel* label, QComboBox* combo);

// Tells a screen reader that what `combo` says has changed: its item or the words
// after it.
void announceComboChange(QComboBox* combo);

}  // namespace orrowvale
