#include "app/scripts/dialogue.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/buttons.h"

namespace orrowvale {

Ttalkform::Ttalkform() {
    setObjectName(QStringLiteral("Ttalkform"));
    setWindowTitle(QStringLiteral("대화"));
    setModal(true);

    speakerPanel = new QFrame(this);
    speakerPanel->setObjectName(QStringLiteral("mannamep"));
    speakerPanel->setFixedSize(100, 117);
    speakerPanel->setAutoFillBackground(true);
    QPalette maroon = speakerPanel->palette();
    maroon.setColor(QPalette::Window, QColor(128, 0, 0));
    maroon.setColor(QPalette::WindowText, Qt::white);
    speakerPanel->setPalette(maroon);
    speakerName = new QLabel(speakerPanel);
    speakerName->setObjectName(QStringLiteral("manname"));
    speakerName->setAlignment(Qt::AlignCenter);
    speakerName->setWordWrap(true);
    auto* nameLayout = new QVBoxLayout(speakerPanel);
    nameLayout->addWidget(speakerName);

    linesText = new QPlainTextEdit(this);
    linesText->setObjectName(QStringLiteral("dlgmemo"));
    linesText->setAccessibleName(QStringLiteral("대사"));
    linesText->setFixedSize(361, 117);
    linesText->setReadOnly(true);
    // A caret in the lines, so that a screen reader reads them line by line; Enter
    // there goes on as "다음" does.
    linesText->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    linesText->installEventFilter(this);
    linesText->setFrameShape(QFrame::NoFrame);
    QPalette pale = linesText->palette();
    pale.setColor(QPalette::Base, QColor(255, 255, 225));
    pale.setColor(QPalette::Text, Qt::black);
    linesText->setPalette(pale);

    nextButton = makeButton(this, "Button1", "다음", "다음 말로 넘어갑니다.");
    nextButton->setAutoDefault(true);
    nextButton->setDefault(true);
    connect(nextButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(speakerPanel);
    top->addWidget(linesText);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(nextButton, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(linesText, nextButton);
}

void Ttalkform::showTalk(const QString& speaker, const QString& text) {
    speakerName->setText(speaker);
    speakerPanel->setAccessibleName(speaker);
    linesText->setPlainText(text);
    linesText->moveCursor(QTextCursor::Start);
    linesText->setFocus();
    exec();
}

bool Ttalkform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == linesText && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            nextButton->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Escape would close the window without "다음".
void Ttalkform::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace orrowvale
