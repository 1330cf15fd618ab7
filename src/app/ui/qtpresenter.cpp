#include "app/ui/qtpresenter.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/city/citycommands.h"
#include "app/lifecycle/mapwindow.h"
#include "app/lifecycle/statuspanel.h"
#include "app/lifecycle/windows.h"
#include "app/scripts/announce.h"
#include "app/scripts/dialogue.h"
#include "app/ui/buttons.h"
#include "app/ui/messages.h"
#include "app/ui/settings.h"
#include "app/ui/text.h"
#include "app/ui/turnreport.h"

namespace orrowvale {

QtPresenter::QtPresenter(Windows& windows) : windows_(windows) {}

QtPresenter::~QtPresenter() = default;

// A turn's report may come while no window is active (the command window greys
// itself out during a turn): the box still belongs to, and is titled by, the
// command window.
QWidget* QtPresenter::boxOwner() {
    if (QWidget* active = activeParent()) return active;
    QWidget* commands = &windows_.window<Tcommform>();
    return commands->isVisible() ? commands : nullptr;
}

void QtPresenter::inform(const std::string& text) {
    informBox(boxOwner(), qs(text));
}

bool QtPresenter::confirm(const std::string& question, DefaultAnswer offered) {
    return confirmBox(boxOwner(), qs(question), offered == DefaultAnswer::Yes);
}

void QtPresenter::announce(const std::string& text, const std::string& caption,
                           int scrollEndPosition) {
    windows_.window<Tannounceform>().showAnnouncement(qs(text), qs(caption), scrollEndPosition);
}

void QtPresenter::talk(const std::string& speaker, const std::string& text) {
    windows_.window<Ttalkform>().showTalk(qs(speaker), qs(text));
}

// The map window closes once the turn that killed the main character is over.
void QtPresenter::ending(const std::string& text) {
    windows_.window<Tannounceform>().showAnnouncement(qs(text), QString::fromUtf8(kEndingCaption),
                                                      kEndingEndPosition);
}

void QtPresenter::refreshStatus() {
    windows_.window<Tinsform>().refreshStatusPanel();
    windows_.window<TMainForm>().refreshMarks();
}

void QtPresenter::enableGuildButtons() {
    windows_.window<Tcommform>().refreshCommandButtons();
}

bool QtPresenter::gathersTurnReports() const {
    return oneTurnReport();
}

// The box of a run of turns is gone before the report: the report is read once the
// run is over.
void QtPresenter::showTurnReport(const std::vector<TurnNews>& turns) {
    if (turnRunBox_) turnRunBox_->hide();
    turnReportBox(boxOwner(), turns);
}

void QtPresenter::makeTurnRunBox() {
    turnRunBox_ = std::make_unique<QDialog>();
    turnRunBox_->setObjectName(QStringLiteral("turnrunbox"));
    turnRunBox_->setWindowTitle(QStringLiteral("턴 진행"));
    turnRunBox_->setWindowModality(Qt::ApplicationModal);
    turnsPlayedLabel_ = new QLabel(turnRunBox_.get());
    turnsPlayedLabel_->setObjectName(QStringLiteral("turnsplayed"));
    turnsPlayedLabel_->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    QPushButton* stop = makeButton(turnRunBox_.get(), "stopturnsbtn", "멈춤",
                                   "남은 턴을 진행하지 않고 이번 턴 뒤에 멈춥니다.");
    stop->setDefault(true);
    turnsPlayedLabel_->setBuddy(stop);
    auto* layout = new QVBoxLayout(turnRunBox_.get());
    layout->addWidget(turnsPlayedLabel_);
    layout->addWidget(stop);
    // Escape rejects the box: the same as "멈춤".
    QObject::connect(stop, &QPushButton::clicked, turnRunBox_.get(), &QDialog::reject);
    QObject::connect(turnRunBox_.get(), &QDialog::rejected, [this] { stopAsked_ = true; });
}

bool QtPresenter::keepPlayingTurns(int turnsPlayed) {
    if (!turnRunBox_) makeTurnRunBox();
    if (!turnRunBox_->isVisible() && !stopAsked_) {
        turnRunBox_->show();
        turnRunBox_->activateWindow();
        turnRunBox_->findChild<QPushButton*>(QStringLiteral("stopturnsbtn"))->setFocus();
    }
    turnsPlayedLabel_->setText(
        QStringLiteral("%1턴 진행했습니다. 멈추려면 Esc를 누르십시오.").arg(turnsPlayed));
    // The box is modal: of the player's keys and clicks only its own get through.
    QApplication::processEvents();
    return !stopAsked_;
}

void QtPresenter::finishTurnRun() {
    if (turnRunBox_) turnRunBox_->hide();
    stopAsked_ = false;
}

}  // namespace orrowvale
