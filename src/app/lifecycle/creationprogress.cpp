#include "app/lifecycle/creationprogress.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/lifecycle/windows.h"
#include "app/ui/messages.h"
#include "lifecycle/createworld.h"
#include "world/datafiles.h"

namespace orrowvale {

Tcrworldform::Tcrworldform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tcrworldform"));
    setWindowTitle(QStringLiteral("데이터 생성 중..."));
    // No frame buttons: the window goes away by itself.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("Gauge1"));
    progressBar->setAccessibleName(QStringLiteral("데이터 생성 진행"));
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setMinimumWidth(300);
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("Label1"));
    note->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progressBar);
    layout->addWidget(note);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    closeTimer = new QTimer(this);
    closeTimer->setObjectName(QStringLiteral("Timer1"));
    closeTimer->setInterval(100);
    connect(closeTimer, &QTimer::timeout, this, &Tcrworldform::closeTimerTick);
    move(120, 200);
}

int Tcrworldform::gauge() const {
    return progressBar->value();
}

bool Tcrworldform::createWorld(bool storyPlay, int character) {
    storyPlay_ = storyPlay;
    character_ = character;
    succeeded_ = false;
    progressBar->setValue(0);
    exec();
    return succeeded_;
}

void Tcrworldform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    closeTimer->start();
    // Build once the window is on screen, inside its own event loop.
    QTimer::singleShot(0, this, &Tcrworldform::buildWorld);
}

void Tcrworldform::buildWorld() {
    if (building_) return;
    building_ = true;
    const CreationProgress progress = [this](int percent) {
        progressBar->setValue(percent);
        progressBar->repaint();
    };
    try {
        if (storyPlay_)
            createStoryWorld(windows_.game, character_, progress);
        else
            createRandomWorld(windows_.game, progress);
        succeeded_ = true;
    } catch (const DataError& error) {
        errorBox(activeParent(), error);
    }
    building_ = false;
    closeTimer->stop();
    accept();
}

// The prologue runs inside world creation; the full gauge lets the window go first.
void Tcrworldform::closeTimerTick() {
    if (progressBar->value() < 100) return;
    closeTimer->stop();
    hide();
}

// Neither the close box nor Escape may stop a half-built world.
void Tcrworldform::closeEvent(QCloseEvent* event) {
    if (building_ && isVisible() && event->spontaneous()) event->ignore();
}

void Tcrworldform::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace orrowvale
