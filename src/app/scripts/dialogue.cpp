#include "app/scripts/dialogue.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orrowvale {

Ttalkform::Ttalkform() {
    setObjectName(QStringLiteral("Ttalkform"));
    setWindowTitle(QStringLiteral("대화"));
    setModal(true);

    mannamep = new QFrame(this);
    mannamep->setObjectName(QStringLiteral("mannamep"));
    mannamep->setFixedSize(100, 117);
    mannamep->setAutoFillBackground(true);
    QPalette maroon = mannamep->palette();
    maroon.setColor(QPalette::Window, QColor(128, 0, 0));
    maroon.setColor(QPalette::WindowText, Qt::white);
    mannamep->setPalette(maroon);
    manname = new QLabel(mannamep);
    manname->setObjectName(QStringLiteral("manname"));
    manname->setAlignment(Qt::AlignCenter);
    manname->setWordWrap(true);
    auto* nameLayout = new QVBoxLayout(mannamep);
    nameLayout->addWidget(manname);

    dlgmemo = new QPlainTextEdit(this);
    dlgmemo->setObjectName(QStringLiteral("dlgmemo"));
    dlgmemo->setAccessibleName(QStringLiteral("대사"));
    dlgmemo->setFixedSize(361, 117);
    dlgmemo->setReadOnly(true);
    dlgmemo->setFrameShape(QFrame::NoFrame);
    QPalette pale = dlgmemo->palette();
    pale.setColor(QPalette::Base, QColor(255, 255, 225));
    pale.setColor(QPalette::Text, Qt::black);
    dlgmemo->setPalette(pale);

    Button1 = new QPushButton(QStringLiteral("다음"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(mannamep);
    top->addWidget(dlgmemo);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Ttalkform::showTalk(const QString& speaker, const QString& text) {
    manname->setText(speaker);
    mannamep->setAccessibleName(speaker);
    dlgmemo->setPlainText(text);
    Button1->setFocus();
    exec();
}

// Escape would close the window without "다음".
void Ttalkform::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace orrowvale
