#include "app/lifecycle/settingswindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/lifecycle/title.h"
#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/settings.h"

namespace orrowvale {
namespace {

// Row 0 is the screen's own scale; the others follow kUiScales.
int scaleRow(int percent) {
    for (int row = 0; row < static_cast<int>(std::size(kUiScales)); ++row)
        if (kUiScales[row] == percent) return row + 1;
    return 0;
}

}  // namespace

Tsettingsform::Tsettingsform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tsettingsform"));
    setWindowTitle(QStringLiteral("설정"));

    scaleCombo = new QComboBox(this);
    scaleCombo->setObjectName(QStringLiteral("scalecombo"));
    scaleCombo->addItem(QStringLiteral("화면 기본값"));
    for (int percent : kUiScales)
        scaleCombo->addItem(QString::number(percent) + QLatin1Char('%'));
    scaleCombo->setToolTip(
        QStringLiteral("창과 글자, 그림의 크기. 다음에 게임을 시작할 때 "
                       "적용됩니다."));
    scaleNote = new QLabel(this);
    scaleNote->setObjectName(QStringLiteral("scalenote"));
    scaleNote->setWordWrap(true);

    musicCheck = new QCheckBox(QStringLiteral("타이틀 음악(&M)"), this);
    musicCheck->setObjectName(QStringLiteral("musiccheck"));
    musicCheck->setToolTip(QStringLiteral("타이틀 화면에서 음악을 틉니다."));
    volumeSlider = new QSlider(Qt::Horizontal, this);
    volumeSlider->setObjectName(QStringLiteral("volumeslider"));
    volumeSlider->setRange(0, 100);
    volumeSlider->setSingleStep(10);
    volumeSlider->setPageStep(20);
    volumeSlider->setAccessibleName(QStringLiteral("음량"));
    volumeSlider->setToolTip(
        QStringLiteral("타이틀 음악의 크기. 화살표 키로 10씩, Page Up/Down으로 20씩."));
    askEndCheck = new QCheckBox(QStringLiteral("완료 전에 묻기(&A)"), this);
    askEndCheck->setObjectName(QStringLiteral("askendcheck"));
    askEndCheck->setToolTip(QStringLiteral("\"완료\"를 누르면 턴을 끝내기 전에 한 번 묻습니다."));

    oneReportCheck = new QCheckBox(QStringLiteral("턴의 소식을 한 창에 모아 보기(&R)"), this);
    oneReportCheck->setObjectName(QStringLiteral("onereportcheck"));
    oneReportCheck->setToolTip(
        QStringLiteral("끄면 도착, 전투, 귀환 소식이 저마다 창 하나로 "
                       "나옵니다."));

    closeButton =
        makeButton(this, "closebtn", "닫기", "설정 창을 닫습니다. 고른 것은 이미 저장되었습니다.");

    auto* form = new QFormLayout;
    auto* scaleLabel = new QLabel(QStringLiteral("화면 배율(&S):"), this);
    scaleLabel->setBuddy(scaleCombo);
    form->addRow(scaleLabel, scaleCombo);
    form->addRow(QString(), scaleNote);
    form->addRow(musicCheck);
    auto* volumeLabel = new QLabel(QStringLiteral("음량(&V):"), this);
    volumeLabel->setBuddy(volumeSlider);
    form->addRow(volumeLabel, volumeSlider);
    form->addRow(askEndCheck);
    form->addRow(oneReportCheck);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(scaleCombo, &QComboBox::activated, this, &Tsettingsform::scaleChosen);
    connect(musicCheck, &QCheckBox::toggled, this, &Tsettingsform::musicToggled);
    connect(volumeSlider, &QSlider::valueChanged, this, &Tsettingsform::volumeChanged);
    connect(askEndCheck, &QCheckBox::toggled, this, &setAskBeforeEndingTurn);
    connect(oneReportCheck, &QCheckBox::toggled, this, &setOneTurnReport);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void Tsettingsform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    scaleCombo->setCurrentIndex(scaleRow(uiScalePercent()));
    scaleNote->clear();
    const QSignalBlocker quietMusic(musicCheck);
    musicCheck->setChecked(musicOn());
    const QSignalBlocker quietVolume(volumeSlider);
    volumeSlider->setValue(musicVolume());
    volumeSlider->setEnabled(musicOn());
    const QSignalBlocker quietAsk(askEndCheck);
    askEndCheck->setChecked(askBeforeEndingTurn());
    const QSignalBlocker quietReport(oneReportCheck);
    oneReportCheck->setChecked(oneTurnReport());
    scaleCombo->setFocus();
}

void Tsettingsform::scaleChosen(int row) {
    setUiScalePercent(row == 0 ? 0 : kUiScales[row - 1]);
    scaleNote->setText(QStringLiteral("다음에 게임을 시작할 때 적용됩니다."));
    scaleNote->setAccessibleName(scaleNote->text());
}

void Tsettingsform::musicToggled(bool on) {
    setMusicOn(on);
    volumeSlider->setEnabled(on);
    windows_.window<TForm1>().applyMusicSetting();
}

void Tsettingsform::volumeChanged(int percent) {
    setMusicVolume(percent);
    volumeSlider->setAccessibleDescription(QString::number(percent) + QLatin1Char('%'));
    windows_.window<TForm1>().applyMusicSetting();
}

}  // namespace orrowvale
