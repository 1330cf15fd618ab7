#include "modaldriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/lifecycle/NewGame.h"
#include "app/lifecycle/title.h"
#include "app/parties/movedialog.h"
#include "app/scripts/announce.h"
#include "app/scripts/talk.h"

namespace orrowvale::testing {

ModalDriver::ModalDriver() : timer_(new QTimer(this)) {
    connect(timer_, &QTimer::timeout, this, &ModalDriver::tick);
    timer_->start(5);
}

ModalDriver::~ModalDriver() = default;

void ModalDriver::answer(std::initializer_list<QMessageBox::StandardButton> answers) {
    answers_.insert(answers_.end(), answers);
}

void ModalDriver::tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == handling_ || busy_.contains(modal)) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen << QStringLiteral("box: ") + box->text();
        if (onBox) onBox(box->text());
        QMessageBox::StandardButton choice =
            box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
        if (!answers_.empty()) {
            choice = answers_.front();
            answers_.pop_front();
        }
        box->button(choice)->click();
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        seen << QStringLiteral("input: ") + input->windowTitle();
        if (onInput) onInput(input);
        input->setTextValue(typed_);
        input->accept();
    } else if (auto* announcement = dynamic_cast<Tannounceform*>(modal)) {
        seen << QStringLiteral("announce[%1]").arg(announcement->windowTitle());
        auto* text = announcement->findChild<QPlainTextEdit*>(QStringLiteral("anmemo"));
        QTest::mouseDClick(text->viewport(), Qt::LeftButton);
    } else if (auto* visit = dynamic_cast<Tgoform*>(modal)) {
        seen << QStringLiteral("visit");
        auto* places = visit->findChild<QComboBox*>(QStringLiteral("realcombo"));
        places->setCurrentIndex(places->findText(typed_));
        // The visit runs the place's event, which may open boxes of its own: the
        // click must not run inside this tick, or the driver could not answer them.
        handling_ = visit;
        auto* move = visit->findChild<QPushButton*>(QStringLiteral("movebutton"));
        QTimer::singleShot(0, move, [this, move] {
            move->click();
            handling_ = nullptr;
        });
    } else if (auto* talk = dynamic_cast<Ttalkform*>(modal)) {
        seen << QStringLiteral("talk");
        talk->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    } else if (!playStep(modal) && qobject_cast<QDialog*>(modal)) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (waiting_ != modal) {
            waiting_ = modal;
            waitingSince_ = now;
        } else if (now - waitingSince_ > 2000) {
            seen << QStringLiteral("stuck: ") + modal->objectName();
            static_cast<QDialog*>(modal)->reject();
        }
    }
}

void ModalDriver::inWindow(const QString& objectName, std::function<void(QWidget*)> step) {
    steps_.push_back({objectName, std::move(step)});
}

bool ModalDriver::playStep(QWidget* modal) {
    if (steps_.empty() || steps_.front().window != modal->objectName()) return false;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    // As with the visit dialog, the step runs outside this tick, so that the driver
    // can answer whatever it opens.
    // Until it is done, the window gets no further step, even when it is in front
    // again between the windows the step opens.
    busy_.insert(modal);
    QTimer::singleShot(0, modal, [this, modal, step = std::move(step)]() mutable {
        if (QApplication::activeModalWidget() == modal)
            step.play(modal);
        else
            steps_.push_front(std::move(step));  // something opened over it first
        busy_.remove(modal);
    });
    return true;
}

WindowsFixture::WindowsFixture() {
    std::filesystem::copy(sampleWorld().gameDirectory(), dir.root(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    windows = std::make_unique<Windows>(dir.paths(), Dice(7));
}

WindowsFixture::~WindowsFixture() = default;

void WindowsFixture::startRandomGame(ModalDriver&) {
    windows->form1->NewGame1Click();
    windows->newGameForm->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
}

}  // namespace orrowvale::testing
