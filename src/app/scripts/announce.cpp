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
    // The text holds the keyboard and a caret, so that a screen reader reads it
    // line by line; the window decides what each key does (readingKey).
    storyText->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    storyText->setFocusPolicy(Qt::StrongFocus);
    storyText->installEventFilter(this);
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

    nextButton = makeButton(this, "Button1", "다음", "글을 닫고 이야기를 이어 갑니다.");
    nextButton->setAutoDefault(true);
    nextButton->hide();

    scrollTimer = new QTimer(this);
    scrollTimer->setObjectName(QStringLiteral("Timer1"));
    scrollTimer->setInterval(kInterval);
    connect(scrollTimer, &QTimer::timeout, this, &Tannounceform::scrollTimerTick);
    // Whatever gives the window the keyboard gives it to the text.
    setFocusProxy(storyText);
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
    keptForReading_ = false;
    scrollPanel->setGeometry(8, kStartTop, 453, 541);
    storyText->setGeometry(6, 4, 441, 2000);
    storyText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    storyText->moveCursor(QTextCursor::Start);
    scrollTimer->start();
    storyText->setFocus();
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

// The whole text in the window with a scroll bar, the roll stopped.
void Tannounceform::keepForReading() {
    if (keptForReading_) return;
    keptForReading_ = true;
    scrollTimer->stop();
    scrollPanel->setGeometry(8, 8, width() - 16, height() - 16);
    storyText->setGeometry(6, 4, scrollPanel->width() - 12, scrollPanel->height() - 8);
    storyText->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    storyText->ensureCursorVisible();
}

bool Tannounceform::readingKey(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            closeNow();
            return true;
        default:
            keepForReading();
            return false;
    }
}

void Tannounceform::keyPressEvent(QKeyEvent* event) {
    readingKey(*event);
}

void Tannounceform::mouseDoubleClickEvent(QMouseEvent*) {
    closeNow();
}

bool Tannounceform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        closeNow();
        return true;
    }
    if (watched == storyText && event->type() == QEvent::KeyPress)
        return readingKey(static_cast<QKeyEvent&>(*event));
    return QDialog::eventFilter(watched, event);
}

}  // namespace orrowvale
