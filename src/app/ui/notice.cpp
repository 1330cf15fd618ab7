#include "app/ui/notice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

#include "app/ui/accessiblefactory.h"

namespace orrowvale {
namespace {

const char* const kNoticeProperty = "orrowvaleNotice";

// The label as a notification: its name, else its text, and its description.
class NoticeAccessible : public QAccessibleWidget {
  public:
    explicit NoticeAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        if (kind == QAccessible::Name)
            return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* noticeFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel") || !object ||
        !object->property(kNoticeProperty).toBool())
        return nullptr;
    return new NoticeAccessible(static_cast<QLabel*>(object));
}

}  // namespace

void makeNotice(QLabel* label) {
    installAccessibleFactoryOnce(noticeFactory);
    label->setProperty(kNoticeProperty, true);
    dropInterfaceMadeBefore<NoticeAccessible>(label);
    label->hide();
}

void showNotice(QLabel* label, const QString& text) {
    label->setText(text);
    // A notification is said as it appears: hidden first, so that it appears again.
    label->hide();
    if (!text.isEmpty()) label->show();
}

QLabel* makeUnseenNotice(QWidget* parent, const char* objectName) {
    auto* notice = new QLabel(parent);
    notice->setObjectName(QString::fromUtf8(objectName));
    makeNotice(notice);
    notice->setGeometry(0, 0, 0, 0);
    return notice;
}

}  // namespace orrowvale
