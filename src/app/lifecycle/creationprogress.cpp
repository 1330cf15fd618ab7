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

    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setAccessibleName(QStringLiteral("데이터 생성 진행"));
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    Gauge1->setMinimumWidth(300);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Gauge1);
    layout->addWidget(Label1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Tcrworldform::Timer1Timer);
    move(120, 200);
}

int Tcrworldform::gauge() const {
    return Gauge1->value();
}

bool Tcrworldform::createWorld(bool storyPlay, int character) {
    storyPlay_ = storyPlay;
    character_ = character;
    succeeded_ = false;
    Gauge1->setValue(0);
    exec();
    return succeeded_;
}

void Tcrworldform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Timer1->start();
    // Build once the window is on screen, inside its own event loop.
    QTimer::singleShot(0, this, &Tcrworldform::FormActivate);
}

void Tcrworldform::FormActivate() {
    if (building_) return;
    building_ = true;
    const CreationProgress progress = [this](int percent) {
        Gauge1->setValue(percent);
        Gauge1->repaint();
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
    Timer1->stop();
    accept();
}

// The prologue runs inside world creation; the full gauge lets the window go first.
void Tcrworldform::Timer1Timer() {
    if (Gauge1->value() < 100) return;
    Timer1->stop();
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
