#include "app/scripts/announce.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "app/ui/stayonscreen.h"

namespace orrowvale {

Tannounceform::Tannounceform() {
    setObjectName(QStringLiteral("Tannounceform"));
    setWindowTitle(QStringLiteral("시나리오"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    new StayOnScreen(this);
    setFixedSize(465, 383);
    setModal(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, kStartTop, 453, 541);
    anmemo = new QPlainTextEdit(Panel1);
    anmemo->setObjectName(QStringLiteral("anmemo"));
    anmemo->setAccessibleName(QStringLiteral("이야기"));
    anmemo->setGeometry(6, 4, 441, 2000);
    anmemo->setReadOnly(true);
    anmemo->setFrameShape(QFrame::NoFrame);
    anmemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    anmemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Keys belong to the window, so any key closes it.
    anmemo->setFocusPolicy(Qt::NoFocus);
    anmemo->viewport()->setCursor(Qt::ArrowCursor);
    // Pale letters rolling up over the night sky, like the close of a tale.
    QPalette night = palette();
    night.setColor(QPalette::Window, QColor(18, 22, 38));
    night.setColor(QPalette::Base, QColor(18, 22, 38));
    night.setColor(QPalette::Text, QColor(236, 226, 198));
    setPalette(night);
    anmemo->setPalette(night);
    QFont font = anmemo->font();
    font.setPointSize(11);
    anmemo->setFont(font);
    anmemo->viewport()->installEventFilter(this);
    Panel1->installEventFilter(this);

    Button1 = new QPushButton(QStringLiteral("다음"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kInterval);
    connect(Timer1, &QTimer::timeout, this, &Tannounceform::Timer1Timer);
    setFocusPolicy(Qt::StrongFocus);
}

void Tannounceform::showAnnouncement(const QString& text, const QString& caption, int endPosition) {
    anmemo->setPlainText(text);
    setWindowTitle(caption);
    scrollEndPosition_ = endPosition;
    exec();
}

int Tannounceform::panelTop() const {
    return Panel1->y();
}

void Tannounceform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ticks_ = 0;
    Panel1->move(Panel1->x(), kStartTop);
    Timer1->start();
    setFocus();
}

void Tannounceform::hideEvent(QHideEvent* event) {
    Timer1->stop();
    QDialog::hideEvent(event);
}

void Tannounceform::Timer1Timer() {
    ++ticks_;
    if (scrollEndPosition_ < Panel1->y())
        Panel1->move(Panel1->x(), Panel1->y() - kStep);
    else
        closeNow();
}

void Tannounceform::closeNow() {
    Timer1->stop();
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
