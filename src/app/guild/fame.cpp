#include "app/guild/fame.h"

#include <QFormLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/text.h"
#include "guild/fame.h"
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
    layout->addRow(needsLabel);

    okButton = makeButton(this, "Button1", "확인");
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
    okButton->setFocus();
    exec();
}

}  // namespace orrowvale
