#include "app/lifecycle/statuspanel.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>

#include "app/city/citycommands.h"
#include "app/lifecycle/windows.h"
#include "app/ui/notice.h"
#include "app/ui/stayonscreen.h"
#include "app/ui/text.h"
#include "app/ui/valuelabel.h"

namespace orrowvale {

namespace {

QLabel* caption(QWidget* parent, const char* text, QLabel* value = nullptr) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    if (value) label->setBuddy(value);
    return label;
}

// A screen reader says what the value is, then the value: "자금", "3383".
QLabel* statusValue(QWidget* parent, const char* objectName, const char* meaning) {
    QLabel* label = makeValueLabel(parent, objectName, meaning);
    label->setAccessibleName(QString::fromUtf8(meaning));
    // Tab walks the values, as a reader reads them.
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

void showValue(QLabel* label, const QString& value) {
    label->setText(value);
    label->setAccessibleDescription(value);
}

}  // namespace

Tinsform::Tinsform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tinsform"));
    setWindowTitle(QStringLiteral("길드 현황"));
    setAccessibleDescription(QStringLiteral("Tab: 다음 값, Esc: 도시 명령 창으로"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // Read with Ctrl+I: shown as a game opens, it leaves the keyboard to the command
    // window, rather than have a screen reader say the gold on the way there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    new StayOnScreen(this);

    goldLabel = statusValue(this, "goldstat", "자금");
    cityLabel = statusValue(this, "citystat", "현재위치");
    yearLabel = statusValue(this, "years", "년");
    monthLabel = statusValue(this, "months", "월");
    weekLabel = statusValue(this, "weeks", "주");
    turnLabel = statusValue(this, "turns", "턴");
    noteLabel = statusValue(this, "notestat", "알림");
    // A screen reader says the note as it is told ("저장했습니다."), wherever the
    // keyboard is; the line keeps its room while there is no note.
    makeNotice(noteLabel);
    QSizePolicy keepRoom = noteLabel->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    noteLabel->setSizePolicy(keepRoom);

    auto* grid = new QGridLayout;
    grid->addWidget(caption(this, "자금:", goldLabel), 0, 0);
    grid->addWidget(goldLabel, 0, 1, Qt::AlignRight);
    grid->addWidget(caption(this, "GP"), 0, 2);
    grid->addWidget(caption(this, "현재위치:", cityLabel), 1, 0);
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

    statusShortcut = new QShortcut(QKeySequence(QString::fromLatin1(kStatusKey)), this);
    statusShortcut->setObjectName(QStringLiteral("statusshortcut"));
    statusShortcut->setContext(Qt::ApplicationShortcut);
    statusShortcut->setEnabled(false);
    connect(statusShortcut, &QShortcut::activated, this, &Tinsform::statusShortcutActivated);
}

void Tinsform::statusShortcutActivated() {
    raise();
    activateWindow();
    goldLabel->setFocus();
}

// Read and done: the keyboard goes back to the command window.
void Tinsform::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        windows_.window<Tcommform>().takeKeyboard();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Only while the panel shows a game.
void Tinsform::hideEvent(QHideEvent* event) {
    statusShortcut->setEnabled(false);
    QWidget::hideEvent(event);
}

void Tinsform::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    statusShortcut->setEnabled(true);
    goldLabel->clear();
    // A note such as "저장했습니다." belongs to the game it was said in.
    noteTurn_ = -1;
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
    noteLabel->setAccessibleDescription(note);
    showNotice(noteLabel, note);
}

QString Tinsform::summary() const {
    QString said = QStringLiteral("자금 %1 GP, 현재위치 %2, %3년 %4월 %5주 %6턴")
                       .arg(goldLabel->text(), cityLabel->text(), yearLabel->text(),
                            monthLabel->text(), weekLabel->text(), turnLabel->text());
    if (!noteLabel->text().isEmpty()) said += QStringLiteral(". ") + noteLabel->text();
    return said;
}

void Tinsform::refreshStatusPanel() {
    const GameState& state = *windows_.state;
    if (noteTurn_ != turnCount(state) && !noteLabel->isHidden()) {
        noteTurn_ = -1;
        noteLabel->setAccessibleDescription(QString());
        showNotice(noteLabel, QString());
    }
    showValue(goldLabel, QString::number(state.gold));
    showValue(cityLabel, CityTable::contains(state.currentCity)
                             ? qs(state.cityNames[state.currentCity])
                             : QString());
    showValue(yearLabel, QString::number(state.gameYear));
    showValue(monthLabel, QString::number(state.gameMonth));
    showValue(weekLabel, QString::number(state.gameWeek));
    showValue(turnLabel, QString::number(state.gameTurn));
}

}  // namespace orrowvale
