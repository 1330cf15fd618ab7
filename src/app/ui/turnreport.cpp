#include "app/ui/turnreport.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/buttons.h"
#include "app/ui/text.h"

namespace orrowvale {

namespace {

// Room for about ten reports of a dungeon trip without a scroll bar.
constexpr int kReportLines = 12;
constexpr int kReportColumns = 72;

}  // namespace

QString turnReportText(const std::vector<TurnNews>& turns) {
    QStringList lines;
    for (const TurnNews& turn : turns)
        for (const std::string& line : turn.lines)
            lines << QLatin1Char('[') + qs(turn.date) + QStringLiteral("] ") + qs(line);
    return lines.join(QLatin1Char('\n'));
}

void turnReportBox(QWidget* parent, const std::vector<TurnNews>& turns) {
    QDialog box(parent);
    box.setObjectName(QStringLiteral("turnreportbox"));
    box.setWindowTitle(QString::fromUtf8(kTurnReportCaption));

    const QString report = turnReportText(turns);
    auto* text = new QPlainTextEdit(report, &box);
    text->setObjectName(QStringLiteral("turnreporttext"));
    text->setReadOnly(true);
    // A caret the arrow keys move, so that a screen reader reads line by line.
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setAccessibleName(QString::fromUtf8(kTurnReportCaption));
    // Tab leaves the text for the button rather than typing into it.
    text->setTabChangesFocus(true);
    const QFontMetrics metrics = text->fontMetrics();
    text->setMinimumSize(metrics.averageCharWidth() * kReportColumns,
                         metrics.lineSpacing() * kReportLines);

    QPushButton* close =
        makeButton(&box, "turnreportclose", "닫기", "소식을 닫고 게임으로 돌아갑니다.");
    close->setDefault(true);
    // Heard as the box opens, with the button that has the keyboard.
    close->setAccessibleDescription(report);
    QObject::connect(close, &QPushButton::clicked, &box, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(text);
    layout->addLayout(buttons);

    close->setFocus();
    box.exec();
}

}  // namespace orrowvale
