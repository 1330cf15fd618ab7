#pragma once

#include <QString>
#include <vector>

#include "Presenter.h"

class QWidget;

namespace orrowvale {

// The turn report as the box shows it: one line a report, each after the date of
// its turn in brackets, newest turn first.
QString turnReportText(const std::vector<TurnNews>& turns);

// The box "이번 턴의 소식" over `parent`: the report in a read-only text the keyboard
// can walk line by line, and "닫기", which has the keyboard; Enter or Escape closes
// it. A screen reader hears the report with the button. Returns when it is closed.
void turnReportBox(QWidget* parent, const std::vector<TurnNews>& turns);

}  // namespace orrowvale
