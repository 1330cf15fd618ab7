#include "app/lifecycle/statuspanel.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "app/lifecycle/windows.h"
#include "app/ui/stayonscreen.h"
#include "app/ui/text.h"
#include "app/ui/valuelabel.h"

namespace orrowvale {

namespace {

QLabel* caption(QWidget* parent, const char* text) {
    return new QLabel(QString::fromUtf8(text), parent);
}

}  // namespace

Tinsform::Tinsform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tinsform"));
    setWindowTitle(QStringLiteral("Inspector"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    new StayOnScreen(this);

    goldLabel = makeValueLabel(this, "goldstat", "자금");
    cityLabel = makeValueLabel(this, "citystat", "현재위치");
    yearLabel = makeValueLabel(this, "years", "년");
    monthLabel = makeValueLabel(this, "months", "월");
    weekLabel = makeValueLabel(this, "weeks", "주");
    turnLabel = makeValueLabel(this, "turns", "턴");
    noteLabel = makeValueLabel(this, "notestat", "알림");

    auto* grid = new QGridLayout;
    grid->addWidget(caption(this, "자금:"), 0, 0);
    grid->addWidget(goldLabel, 0, 1, Qt::AlignRight);
    grid->addWidget(caption(this, "GP"), 0, 2);
    grid->addWidget(caption(this, "현재위치:"), 1, 0);
    grid->addWidget(cityLabel, 1, 1, 1, 2);
    auto* date = new QHBoxLayout;
    date->addWidget(yearLabel);
    date->addWidget(caption(this, "년"));
    date->addWidget(monthLabel);
    date->addWidget(caption(this, "월"));
    date->addWidget(weekLabel);
    date->addWidget(caption(this, "주"));
    date->addWidget(turnLabel);
    date->addWidget(caption(this, "턴"));
    date->addStretch();
    grid->addLayout(date, 2, 0, 1, 3);
    grid->addWidget(noteLabel, 3, 0, 1, 3);
    setLayout(grid);
    setMinimumWidth(200);
}

void Tinsform::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    goldLabel->clear();
    refreshStatusPanel();
}

// The panel lives as long as the map: a close box would strand the game without
// its date and gold, so only the map window hides it.
void Tinsform::closeEvent(QCloseEvent* event) {
    event->ignore();
}

namespace {

long long turnCount(const GameState& state) {
    return ((static_cast<long long>(state.gameYear) * 12 + state.gameMonth) * 5 + state.gameWeek) *
               10 +
           state.gameTurn;
}

}  // namespace

void Tinsform::showNote(const QString& note) {
    noteTurn_ = turnCount(*windows_.state);
    noteLabel->setText(note);
}

void Tinsform::refreshStatusPanel() {
    const GameState& state = *windows_.state;
    if (noteTurn_ != turnCount(state)) {
        noteTurn_ = -1;
        noteLabel->clear();
    }
    goldLabel->setText(QString::number(state.gold));
    cityLabel->setText(CityTable::contains(state.currentCity)
                           ? qs(state.cityNames[state.currentCity])
                           : QString());
    yearLabel->setText(QString::number(state.gameYear));
    monthLabel->setText(QString::number(state.gameMonth));
    weekLabel->setText(QString::number(state.gameWeek));
    turnLabel->setText(QString::number(state.gameTurn));
}

}  // namespace orrowvale
