#include "app/ui/messages.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "app/ui/text.h"
#include "world/datafiles.h"

namespace orrowvale {

namespace {

// Room in a title bar for its icon and its buttons.
constexpr int kTitleFrameRoom = 140;

// Object name of every box made here: a box over a box takes the caption of the
// window beneath, not "X - 알림 - 질문".
const QString kBoxName = QStringLiteral("messagebox");

const char* iconName(QMessageBox::Icon icon) {
    switch (icon) {
        case QMessageBox::Question:
            return "질문 아이콘";
        case QMessageBox::Warning:
        case QMessageBox::Critical:
            return "경고 아이콘";
        default:
            return "알림 아이콘";
    }
}

// The box sizes itself from its text's least width, so a least width that is only
// the title's would cut a long line off: the text keeps room for its longest line
// up to the width beyond which the box wraps it.
constexpr int kWidestUnwrappedText = 500;

int boxTextWidth(const QMessageBox& box, const QLabel& text) {
    int longestLine = 0;
    for (const QString& line : text.text().split(QLatin1Char('\n')))
        longestLine = std::max(longestLine, text.fontMetrics().horizontalAdvance(line));
    return std::max(box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleFrameRoom,
                    std::min(longestLine, kWidestUnwrappedText));
}

// The Korean button captions do not depend on a translation file being installed.
// The text is kept wide enough that the frame shows the whole title. The icon and
// the button row carry names, so that a screen reader says what each part is.
int runBox(QMessageBox& box) {
    if (auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        icon->setAccessibleName(QString::fromUtf8(iconName(box.icon())));
    if (auto* buttons = box.findChild<QWidget*>(QStringLiteral("qt_msgbox_buttonbox")))
        buttons->setAccessibleName(QStringLiteral("버튼"));
    if (auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        text->setMinimumWidth(boxTextWidth(box, *text));
    if (auto* ok = box.button(QMessageBox::Ok)) ok->setText(QStringLiteral("확인"));
    if (auto* yes = box.button(QMessageBox::Yes)) yes->setText(QStringLiteral("예"));
    if (auto* no = box.button(QMessageBox::No)) no->setText(QStringLiteral("아니요"));
    box.setObjectName(kBoxName);
    return box.exec();
}

}  // namespace

QString boxTitle(const QWidget* parent, const char* kind) {
    const QWidget* window = parent ? parent->window() : activeParent();
    while (window && window->objectName() == kBoxName && window->parentWidget())
        window = window->parentWidget()->window();
    QString caption =
        window && window->objectName() != kBoxName ? window->windowTitle() : QString();
    if (caption.isEmpty()) caption = QString::fromUtf8(kMessageTitle);
    return caption + QStringLiteral(" - ") + QString::fromUtf8(kind);
}

QWidget* activeParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

void informBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, boxTitle(parent, kInformKind), text, QMessageBox::Ok,
                    parent);
    runBox(box);
}

bool confirmBox(QWidget* parent, const QString& question, bool yesByDefault) {
    QMessageBox box(QMessageBox::Question, boxTitle(parent, kQuestionKind), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
    return runBox(box) == QMessageBox::Yes;
}

PlayerText PlayerText::withDetail(const QString& detail) const {
    return PlayerText(text_ + QStringLiteral("\n\n(") + detail + QLatin1Char(')'));
}

void errorBox(QWidget* parent, const PlayerText& text) {
    QMessageBox box(QMessageBox::Warning, boxTitle(parent, kErrorKind), text.text(),
                    QMessageBox::Ok, parent);
    runBox(box);
}

PlayerText dataErrorText(const DataError& error, const PlayerText& what, const PlayerText& advice) {
    QString where = qs(error.file());
    if (error.line() > 0) where += QStringLiteral(" %1번째 줄").arg(error.line());
    return PlayerText(what.text() + QStringLiteral(": ") + where + QLatin1Char('\n') +
                      advice.text())
        .withDetail(qs(error.problem()));
}

PlayerText dataErrorText(const DataError& error) {
    return dataErrorText(error, "파일을 읽을 수 없습니다",
                         "게임 폴더의 이 파일을 고치거나 게임을 다시 설치한 뒤 다시 시도하십시오.");
}

void errorBox(QWidget* parent, const DataError& error) {
    errorBox(parent, dataErrorText(error));
}

namespace {

std::optional<QString> askTextOrChoice(QWidget* parent, const QString& title, const QString& prompt,
                                       const QString& text, const QStringList& choices) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("inputbox"));
    if (!choices.isEmpty()) {
        dialog.setComboBoxItems(choices);
        dialog.setComboBoxEditable(true);
    }
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text);
    dialog.setOkButtonText(QStringLiteral("확인"));
    dialog.setCancelButtonText(QStringLiteral("취소"));
    // The question is the box's title: wide enough that the frame shows all of it
    // beside its own buttons, rather than cutting it off.
    const int titleWidth = dialog.fontMetrics().horizontalAdvance(title) + kTitleFrameRoom;
    if (auto* prompt = dialog.findChild<QLabel*>()) prompt->setMinimumWidth(titleWidth);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

}  // namespace

QString inputBox(QWidget* parent, const QString& title, const QString& prompt,
                 const QStringList& choices) {
    return askTextOrChoice(parent, title, prompt, QString(), choices).value_or(QString());
}

std::optional<QString> askText(QWidget* parent, const QString& title, const QString& prompt,
                               const QString& text) {
    return askTextOrChoice(parent, title, prompt, text, {});
}

}  // namespace orrowvale
