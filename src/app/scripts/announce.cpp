#include "app/scripts/announce.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "app/ui/buttons.h"
#include "app/ui/stayonscreen.h"

namespace orrowvale {

Tannounceform::Tannounceform() {
    setObjectName(QStringLiteral("Tannounceform"));
    setWindowTitle(QStringLiteral("시나리오"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    new StayOnScreen(this);
    setFixedSize(465, 383);
    setModal(true);

    scrollPanel = new QFrame(this);
    scrollPanel->setObjectName(QStringLiteral("Panel1"));
    scrollPanel->setGeometry(8, kStartTop, 453, 541);
    storyText = new QPlainTextEdit(scrollPanel);
    storyText->setObjectName(QStringLiteral("anmemo"));
    storyText->setAccessibleName(QStringLiteral("이야기"));
    storyText->setGeometry(6, 4, 441, 2000);
    storyText->setReadOnly(true);
    storyText->setFrameShape(QFrame::NoFrame);
    storyText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    storyText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Keys belong to the window, so any key closes it.
    storyText->setFocusPolicy(Qt::NoFocus);
    storyText->viewport()->setCursor(Qt::ArrowCursor);
    // Pale letters rolling up over the night sky, like the close of a tale.
    QPalette night = palette();
    night.setColor(QPalette::Window, QColor(18, 22, 38));
    night.setColor(QPalette::Base, QColor(18, 22, 38));
    night.setColor(QPalette::Text, QColor(236, 226, 198));
    setPalette(night);
    storyText->setPalette(night);
    QFont font = storyText->font();
    font.setPointSize(11);
    storyText->setFont(font);
    storyText->viewport()->installEventFilter(this);
    scrollPanel->installEventFilter(this);

    nextButton = makeButton(this, "Button1", "다음");
    nextButton->setAutoDefault(true);
    nextButton->hide();

    scrollTimer = new QTimer(this);
    scrollTimer->setObjectName(QStringLiteral("Timer1"));
    scrollTimer->setInterval(kInterval);
    connect(scrollTimer, &QTimer::timeout, this, &Tannounceform::scrollTimerTick);
    setFocusPolicy(Qt::StrongFocus);
}

void Tannounceform::showAnnouncement(const QString& text, const QString& caption, int endPosition) {
    storyText->setPlainText(text);
    setWindowTitle(caption);
    scrollEndPosition_ = endPosition;
    exec();
}

int Tannounceform::panelTop() const {
    return scrollPanel->y();
}

void Tannounceform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ticks_ = 0;
    scrollPanel->move(scrollPanel->x(), kStartTop);
    scrollTimer->start();
    setFocus();
}

void Tannounceform::hideEvent(QHideEvent* event) {
    scrollTimer->stop();
    QDialog::hideEvent(event);
}

void Tannounceform::scrollTimerTick() {
    ++ticks_;
    if (scrollEndPosition_ < scrollPanel->y())
        scrollPanel->move(scrollPanel->x(), scrollPanel->y() - kStep);
    else
        closeNow();
}

void Tannounceform::closeNow() {
    scrollTimer->stop();
    accept();
}

void Tannounceform::keyPressEvent(QKeyEvent*) {
    closeNow();
}

void Tannounceform::mouseDoubleClickEvent(QMouseEvent*) {
    closeNow();
}

bool Tannounceform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        closeNow();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orrowvale
