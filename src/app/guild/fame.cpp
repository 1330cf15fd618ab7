#include "app/guild/fame.h"

#include <QFormLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/text.h"
#include "guild/fame.h"
#include "guild/goals.h"
#include "world/gamestate.h"

namespace orrowvale {

Tfamform::Tfamform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tfamform"));
    setWindowTitle(QStringLiteral("명성 창"));
    setModal(true);
    auto* layout = new QFormLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    adventureBar = addBar("advguage", "모험", QColor(0, 0, 128));
    adventureNumber = addNumber("advfamelabel");
    politicalBar = addBar("jungguage", "정치", QColor(0, 128, 0));
    politicalNumber = addNumber("jungfamelabel");
    covertBar = addBar("backguage", "암행", QColor(128, 0, 0));
    covertNumber = addNumber("backfamelabel");

    needsLabel = new QLabel(this);
    needsLabel->setObjectName(QStringLiteral("needslabel"));
    needsLabel->setAccessibleDescription(QStringLiteral("명성이 필요한 일"));
    needsLabel->setWordWrap(true);
    // Selectable text takes only clicks for focus: Tab is given after.
    needsLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    needsLabel->setFocusPolicy(Qt::StrongFocus);
    layout->addRow(needsLabel);

    goalsLabel = new QLabel(this);
    goalsLabel->setObjectName(QStringLiteral("goalslabel"));
    goalsLabel->setAccessibleDescription(QStringLiteral("길드의 목표"));
    goalsLabel->setWordWrap(true);
    goalsLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    goalsLabel->setFocusPolicy(Qt::StrongFocus);
    layout->addRow(goalsLabel);

    okButton = makeButton(this, "Button1", "확인", "명성 창을 닫습니다.");
    // The window's one button: Enter closes it.
    okButton->setAutoDefault(true);
    okButton->setDefault(true);
    layout->addRow(okButton);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

QProgressBar* Tfamform::addBar(const char* name, const char* caption, QColor colour) {
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QString::fromUtf8(name));
    bar->setRange(0, kFameBarMaximum);
    bar->setValue(0);

    bar->setMinimumWidth(240);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Highlight, colour);
    bar->setPalette(palette);
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    label->setBuddy(bar);
    static_cast<QFormLayout*>(layout())->addRow(label, bar);
    return bar;
}

// The fame itself beside its bar, which stops at the bar's end.
QLabel* Tfamform::addNumber(const char* name) {
    auto* number = new QLabel(this);
    number->setObjectName(QString::fromUtf8(name));
    // Tab reads the numbers, each after its bar's caption.
    number->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    number->setFocusPolicy(Qt::StrongFocus);
    static_cast<QFormLayout*>(layout())->addRow(QString(), number);
    return number;
}

void Tfamform::showFame() {
    const FameBars bars = fameBars(*windows_.state);
    adventureBar->setValue(bars.adventure);
    politicalBar->setValue(bars.political);
    covertBar->setValue(bars.covert);
    const GameState& state = *windows_.state;
    adventureNumber->setText(QString::fromStdString(fameNumberText(state.adventureFame)));
    politicalNumber->setText(QString::fromStdString(fameNumberText(state.politicalFame)));
    covertNumber->setText(QString::fromStdString(fameNumberText(state.covertFame)));
    QStringList needs;
    for (const std::string& line : fameNeeds(state))
        needs << qs(line);
    needsLabel->setText(needs.join(QLatin1Char('\n')));
    // The closing chapter's goals, once the story is told.
    QStringList goals;
    for (const GuildGoal& goal : guildGoals(windows_.game))
        goals << qs(goalLine(goal));
    goalsLabel->setText(goals.join(QLatin1Char('\n')));
    goalsLabel->setVisible(!goals.isEmpty());
    // Said with the caption as the window opens, while "확인" has the keyboard.
    setAccessibleDescription(
        QStringLiteral("모험 %1, 정치 %2, 암행 %3")
            .arg(adventureNumber->text(), politicalNumber->text(), covertNumber->text()));
    for (auto [number, meaning] :
         {std::pair{adventureNumber, "모험"}, std::pair{politicalNumber, "정치"},
          std::pair{covertNumber, "암행"}})
        number->setAccessibleName(QString::fromUtf8(meaning) + QStringLiteral(": ") +
                                  number->text());
    okButton->setFocus();
    exec();
}

}  // namespace orrowvale
