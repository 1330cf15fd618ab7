#include "app/parties/errandsummarypanel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/ui/text.h"
#include "app/ui/valuelabel.h"
#include "game.h"
#include "parties/errandsummary.h"
#include "world/gamestate.h"

namespace orrowvale {
namespace {

// A value label is heard by its text.
void setValue(QLabel* label, const std::string& text) {
    label->setText(qs(text));
    label->setAccessibleName(qs(text));
}

}  // namespace

ErrandSummaryPanel::ErrandSummaryPanel(QWidget* parent) : QWidget(parent) {
    noTargetLabel = makeValueLabel(this, "notargetlabel", "목표 없음");
    whereLabel = makeValueLabel(this, "wherelabel", "장소");
    lengthLabel = makeValueLabel(this, "lengthlabel", "기간");
    rewardLabel = makeValueLabel(this, "rewardlabel", "보수");
    costLabel = makeValueLabel(this, "costlabel", "비용");
    riskLabel = makeValueLabel(this, "risklabel", "위험");
    successLabel = makeValueLabel(this, "successlabel", "성공 확률");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QLabel* label : lines())
        layout->addWidget(label);
}

std::vector<QLabel*> ErrandSummaryPanel::lines() const {
    return {noTargetLabel, whereLabel, lengthLabel, rewardLabel,
            costLabel,     riskLabel,  successLabel};
}

void ErrandSummaryPanel::showFor(Game& game, int party, std::optional<Errand> kind,
                                 std::optional<int> target, int numberField) {
    const GameState& state = game.state;
    setValue(noTargetLabel,
             kind ? missingSitesNote(state, *kind, state.parties[party].location) : "");
    std::optional<ErrandSummary> summary;
    if (kind && target) summary = errandSummary(game, party, *kind, *target, numberField);
    const ErrandSummary shown = summary.value_or(ErrandSummary{});
    setValue(whereLabel, shown.where);
    setValue(lengthLabel, shown.length);
    setValue(rewardLabel, shown.reward);
    setValue(costLabel, shown.cost);
    setValue(riskLabel, shown.risk);
    setValue(successLabel, shown.success);
    costLabel->setVisible(!shown.cost.empty());
}

namespace {

QString joinShown(const std::vector<QLabel*>& labels) {
    QStringList shown;
    for (const QLabel* label : labels)
        if (!label->text().isEmpty()) shown << label->text();
    return shown.join(QStringLiteral(", "));
}

}  // namespace

QString ErrandSummaryPanel::spoken() const {
    return joinShown(lines());
}

QString ErrandSummaryPanel::spokenForNumber() const {
    return joinShown({lengthLabel, rewardLabel, costLabel, riskLabel, successLabel});
}

}  // namespace orrowvale
