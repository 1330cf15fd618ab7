#include "app/lifecycle/characterinfo.h"

#include <QGridLayout>
#include <QLabel>

#include "app/ui/text.h"
#include "world/adventurer.h"

namespace orrowvale {

namespace {

QLabel* named(QWidget* parent, const char* name, const char* text = "") {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

}  // namespace

Tinfoform::Tinfoform() {
    setObjectName(QStringLiteral("Tinfoform"));
    setWindowTitle(QStringLiteral("모험가 정보"));
    setWindowFlags(Qt::Tool);

    auto* grid = new QGridLayout(this);
    int row = 0;
    auto addRow = [&](const char* caption, QWidget* first, QWidget* second = nullptr) {
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(first);
        // The value is the name a screen reader reads; what it is, the description.
        first->setAccessibleDescription(
            QString::fromUtf8(caption).trimmed().remove(QLatin1Char(':')));
        grid->addWidget(label, row, 0);
        grid->addWidget(first, row, 1);
        if (second) grid->addWidget(second, row, 2);
        ++row;
    };
    nameLabel = named(this, "chrname");
    familyNameLabel = named(this, "chrfname");
    addRow("이름: ", nameLabel);
    familyNameLabel->hide();
    sexLabel = named(this, "chrsex");
    addRow("성별:", sexLabel);
    strengthLabel = named(this, "chrstr");
    addRow("힘", strengthLabel);
    intelligenceLabel = named(this, "chrint");
    addRow("지능", intelligenceLabel);
    wisdomLabel = named(this, "chrwis");
    addRow("지혜", wisdomLabel);
    dexterityLabel = named(this, "chrdex");
    addRow("민첩", dexterityLabel);
    charismaLabel = named(this, "chrchr");
    addRow("매력", charismaLabel);
    healthLabel = named(this, "chrhlt");
    addRow("건강", healthLabel);
    classLabel = named(this, "chrjob");
    addRow("직업", classLabel);
    raceLabel = named(this, "chrrace");
    addRow("종족", raceLabel);
    weapon1Label = named(this, "chrwp1");
    addRow("무기 1", weapon1Label);
    weapon2Label = named(this, "chrwp2");
    addRow("무기 2", weapon2Label);
    armourLabel = named(this, "chrarmor");
    addRow("갑옷", armourLabel);
    schoolLabel = named(this, "chrmtype");
    addRow("마법 계열", schoolLabel);
    alignmentLabel = named(this, "chralign");
    addRow("가치관", alignmentLabel);
}

void Tinfoform::fill(const TAdven& adventurer) {
    // The whole name, family name first; the family name alone stays for scripts.
    nameLabel->setText(qs(fullName(adventurer)));
    familyNameLabel->setText(qs(adventurer.familyName));
    sexLabel->setText(qs(sexName(adventurer.sex)));
    classLabel->setText(qs(className(adventurer.adventurerClass)));
    raceLabel->setText(qs(raceName(adventurer.race)));
    QLabel* stats[] = {strengthLabel,  intelligenceLabel, wisdomLabel,
                       dexterityLabel, charismaLabel,     healthLabel};
    for (int i = 0; i < kStatCount; ++i)
        stats[i]->setText(QString::number(adventurer.stat(i + 1)));
    weapon1Label->setText(qs(weaponName(adventurer.weapon1)));
    weapon2Label->setText(qs(weaponName(adventurer.weapon2)));
    armourLabel->setText(qs(armourName(adventurer.armour)));
    schoolLabel->setText(qs(schoolName(adventurer.school)));
    alignmentLabel->setText(qs(alignmentName(adventurer.alignment)));
}

}  // namespace orrowvale
