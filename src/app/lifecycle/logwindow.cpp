#include "app/lifecycle/logwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/lifecycle/windows.h"
#include "app/ui/buttons.h"
#include "app/ui/text.h"

namespace orrowvale {

Tlogform::Tlogform(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Tlogform"));
    setWindowTitle(QStringLiteral("기록"));
    resize(520, 420);

    auto* searchLabel = new QLabel(QStringLiteral("찾기(&F):"), this);
    searchEdit = new QLineEdit(this);
    searchEdit->setObjectName(QStringLiteral("searchedit"));
    searchEdit->setAccessibleName(QStringLiteral("기록에서 찾기"));
    searchEdit->setClearButtonEnabled(true);
    searchLabel->setBuddy(searchEdit);

    logText = new QPlainTextEdit(this);
    logText->setObjectName(QStringLiteral("logtext"));
    logText->setAccessibleName(QStringLiteral("기록"));
    logText->setReadOnly(true);
    // Tab leaves the text for the next control, as everywhere else.
    logText->setTabChangesFocus(true);
    logText->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    closeButton = makeButton(this, "closebtn", "닫기", "기록 창을 닫습니다.");

    auto* search = new QHBoxLayout;
    search->addWidget(searchLabel);
    search->addWidget(searchEdit, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(logText, 1);
    layout->addLayout(buttons);

    connect(searchEdit, &QLineEdit::textChanged, this, &Tlogform::showEntries);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void Tlogform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showEntries();
    searchEdit->setFocus();
}

// The newest entry is at the bottom, where the view opens.
void Tlogform::showEntries() {
    logText->setPlainText(qs(windows_.loggingPresenter.log.text(utf8(searchEdit->text()))));
    logText->verticalScrollBar()->setValue(logText->verticalScrollBar()->maximum());
}

}  // namespace orrowvale
