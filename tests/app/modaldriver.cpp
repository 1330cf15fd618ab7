#include "modaldriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "app/city/visit.h"
#include "app/guild/chooser.h"
#include "app/guild/equipment.h"
#include "app/guild/guildwindow.h"
#include "app/lifecycle/charactercreation.h"
#include "app/lifecycle/title.h"
#include "app/scripts/announce.h"
#include "app/scripts/dialogue.h"

namespace orrowvale::testing {

ModalDriver::ModalDriver() : timer_(new QTimer(this)) {
    connect(timer_, &QTimer::timeout, this, &ModalDriver::tick);
    timer_->start(5);
}

ModalDriver::~ModalDriver() = default;

void ModalDriver::answer(std::initializer_list<QMessageBox::StandardButton> answers) {
    answers_.insert(answers_.end(), answers);
}

void ModalDriver::when(const QString& window, std::function<void(QWidget* window)> act) {
    queued_.emplace_back(window, std::move(act));
}

void ModalDriver::handleLater(QWidget* modal, std::function<void()> act) {
    handling_ << modal;
    QTimer::singleShot(0, modal, [this, modal, act = std::move(act)] {
        act();
        handling_.removeAll(modal);
    });
}

bool ModalDriver::playQueued(QWidget* modal) {
    const auto found = std::find_if(queued_.begin(), queued_.end(), [modal](const auto& q) {
        return q.first == modal->objectName();
    });
    if (found == queued_.end()) return false;
    std::function<void(QWidget*)> act = std::move(found->second);
    queued_.erase(found);
    handleLater(modal, [modal, act = std::move(act)] { act(modal); });
    return true;
}

void ModalDriver::pick(std::initializer_list<QString> rows) {
    picks_.insert(picks_.end(), rows);
}

void ModalDriver::tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || handling_.contains(modal)) return;
    if (playQueued(modal)) return;
    static const QStringList partyWindows = {QStringLiteral("Tcommandform"),
                                             QStringLiteral("Tmovecityform"),
                                             QStringLiteral("Tdoadvform")};
    if (partyWindows.contains(modal->objectName())) {
        seen << QStringLiteral("closed: ") + modal->objectName();
        modal->close();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen << QStringLiteral("box: ") + box->text();
        if (onBox) onBox(box->text());
        QMessageBox::StandardButton choice =
            box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
        if (!answers_.empty()) {
            choice = answers_.front();
            answers_.pop_front();
        }
        box->button(choice)->click();
    } else if (modal->objectName() == QStringLiteral("turnreportbox")) {
        auto* text = modal->findChild<QPlainTextEdit*>(QStringLiteral("turnreporttext"));
        for (const QString& line : text->toPlainText().split(QLatin1Char('\n')))
            seen << QStringLiteral("report: ") + line;
        QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        seen << QStringLiteral("input: ") + input->windowTitle();
        if (onInput) onInput(input);
        if (std::exchange(cancelInput_, false)) return input->reject();
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
        auto* move = visit->findChild<QPushButton*>(QStringLiteral("movebutton"));
        handleLater(visit, [move] { move->click(); });
    } else if (auto* chooser = dynamic_cast<Tadvlists*>(modal)) {
        auto* rows = chooser->findChild<QListWidget*>(QStringLiteral("advlistbox"));
        QStringList texts;
        for (int row = 0; row < rows->count(); ++row)
            texts << rows->item(row)->text();
        seen << QStringLiteral("choose: ") + texts.join(QStringLiteral(", "));
        const QString wanted = picks_.empty() ? QString() : picks_.front();
        if (!picks_.empty()) picks_.pop_front();
        const auto found =
            rows->findItems(wanted, Qt::MatchExactly) +
            rows->findItems(QStringLiteral(". ") + wanted + QStringLiteral(","), Qt::MatchContains);
        if (wanted.isEmpty() || found.isEmpty()) {
            chooser->findChild<QPushButton*>(QStringLiteral("cancel_btn"))->click();
        } else {
            rows->setCurrentItem(found.first());
            chooser->findChild<QPushButton*>(QStringLiteral("ok_btn"))->click();
        }
    } else if (auto* talk = dynamic_cast<Ttalkform*>(modal)) {
        seen << QStringLiteral("talk");
        talk->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    } else if (dynamic_cast<Tguildform*>(modal) || dynamic_cast<Tequipform*>(modal)) {
        auto* window = static_cast<QDialog*>(modal);
        seen << QStringLiteral("window: ") + window->windowTitle();
        // As with the visit: what the test does there may open boxes of its own.
        handleLater(window, [this, window] {
            if (inScreen) inScreen(window);
            if (window->isVisible()) window->reject();
        });
    }
}

WindowsFixture::WindowsFixture() {
    dir.copySampleWorld();
    windows = std::make_unique<Windows>(dir.paths(), Dice(7));
}

WindowsFixture::~WindowsFixture() = default;

void WindowsFixture::startRandomGame(ModalDriver&) {
    windows->window<TForm1>().newGameActionTriggered();
    windows->window<TNewGameForm>().findChild<QPushButton*>(QStringLiteral("Button3"))->click();
}

void selectAsAssistiveTool(QListWidget* list, int row) {
    QAccessible::queryAccessibleInterface(list)->child(row)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
}

QString heard(QObject* control, QAccessible::Text what) {
    return QAccessible::queryAccessibleInterface(control)->text(what);
}

}  // namespace orrowvale::testing
