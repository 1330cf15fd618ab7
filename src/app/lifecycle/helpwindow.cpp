#include "app/lifecycle/helpwindow.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <array>

#include "app/ui/buttons.h"

namespace orrowvale {
namespace {

struct HelpPage {
    const char* title;
    const char* text;
    // The windows whose F1 opens this page, by name, separated by spaces.
    const char* windows;
};

const std::array<HelpPage, 8> kPages = {{
    {"처음 시작하기",
     "당신은 모험가 길드의 주인입니다. 주점에서 모험가를 모아 파티를 짜고, 던전과 "
     "퀘스트, 탐색, 전쟁, 수송 일에 보내 금과 명성을 모읍니다. 주인공이 죽으면 게임이 "
     "끝납니다.\n\n"
     "타이틀의 \"파일\" 메뉴에서 \"새 게임\"으로 시작합니다. 이야기 주인공을 고르면 "
     "이야기가 함께 진행되고, \"랜덤 플레이\"는 이야기 없이 자유롭게 진행됩니다. "
     "\"불러오기\"는 저장한 게임을, \"이어하기\"와 \"자동 저장 불러오기\"는 매 턴 자동으로 "
     "저장된 게임을 엽니다.",
     "TForm1 TNewGameForm Tcrworldform"},
    {"턴과 날짜",
     "게임은 턴 단위로 진행됩니다. 도시 명령 창의 \"완료\"를 누르면 한 턴이 끝나고, 모든 "
     "파티가 한 턴씩 움직이거나 임무를 수행합니다.\n\n"
     "한 주는 5턴, 한 달은 4주, 한 해는 12달입니다. 그래서 \"4주 5턴\" 다음은 다음 달 "
     "\"1주 1턴\"입니다. 예: 200년 4월 4주 5턴 → 200년 5월 1주 1턴. 새 게임은 200년 "
     "4월 1주 1턴에 시작합니다.\n\n"
     "길드 현황 창(Ctrl+I)에 지금 날짜, 자금, 도시와 세 가지 명성이 나옵니다. 한 턴의 "
     "소식(도착, 전투, 귀환, 보수)은 \"완료\"로 진행한 턴이 끝날 때 \"이번 턴의 소식\" 한 창에 "
     "모아 알려 주고, 지난 소식은 모두 기록 창(Ctrl+L)에 남습니다. 죽음, 주인공의 위험, "
     "이야기와 질문은 그때그때 멈춰서 알려 줍니다.",
     "Tinsform Tlogform TMainForm"},
    {"도시 명령",
     "주인공이 있는 도시에서 할 수 있는 일입니다.\n\n"
     "길드 관리: 길드원과 파티를 봅니다. 파티를 짜고 장비를 맡깁니다.\n"
     "주점: 모험가와 이야기하고 길드에 들일 수 있습니다. 소문과 명성도 여기서 듣습니다.\n"
     "교역소: 수송 일을 맡습니다.\n"
     "방문: 도시의 장소에 갑니다. 이야기가 진행되는 곳이 많습니다.\n"
     "접선: 들은 이름의 사람을 찾아갑니다.\n"
     "명령: 이 도시에 있는 파티를 다른 도시로 옮기거나 모험에 보냅니다.\n"
     "완료: 이번 턴을 끝냅니다.",
     "Tcommform Tgoform"},
    {"길드와 파티",
     "길드 창에는 길드원과 파티가 있습니다. \"파티 구성\"에서 새 파티를 만들고, 길드원을 "
     "넣고 빼며, 리더와 이름을 정하고, 3x3 진형에서 각 길드원이 설 자리를 고릅니다. "
     "파티는 최대 아홉 명입니다.\n\n"
     "\"장비\"에서 길드가 가진 물건을 파티에 맡깁니다. 파티 현황(Ctrl+P)은 모든 파티가 "
     "어디서 무엇을 하는지, 언제 돌아오는지 보여 줍니다.",
     "Tguildform Tpsform Tadvlists Tequipform Tadvdtform Tprtdtform Tpartyoverviewform "
     "Tinfoform"},
    {"모험 보내기",
     "도시 명령의 \"명령\"에서 파티를 고르고 \"모험\"을 누릅니다. 퀘스트, 탐색, 전쟁, "
     "던전 가운데 하나와 대상을 고르면, 그 아래에 장소, 기간, 보수, 비용, 위험과 성공 "
     "확률이 나옵니다. 이 숫자들은 그 임무를 게임 규칙대로 여러 번 미리 해 본 결과입니다.\n\n"
     "위험은 파티원이 한 명이라도 죽을 확률입니다: 5% 미만 낮음, 20% 미만 보통, 50% 미만 "
     "높음, 그 이상 매우 높음. 보수의 괄호 안 \"대개\"는 흔히 받는 만큼입니다. 탐색은 "
     "파티원 한 명에 한 턴 10gp가 듭니다.\n\n"
     "\"시작\"을 눌러야 파티가 떠납니다. 주인공이 위험이 높은 곳에 가면 먼저 묻습니다.",
     "Tcommandform Tdoadvform Tmovecityform"},
    {"주점",
     "\"모험가들과 대화\"에서 주점에 앉은 모험가와 이야기합니다. 길드에 들어오라고 "
     "권할 수 있는데, 모험가는 길드의 세 명성을 합친 값이 자기 능력 합계의 열 배 이상일 때 "
     "들어옵니다. "
     "\"명성 조사\"는 길드의 명성을, \"소문 듣기\"는 도시의 소문을 알려 줍니다.",
     "TPubForm Ttalkwithform Tttadvenform Tfamform"},
    {"교역소",
     "수송 일을 맡는 곳입니다. 일을 고르면 보수와 명성, 장소, 기간, 가장 안전한 파티의 "
     "위험이 나옵니다. \"맡기\"를 누르면 맡길 파티를 고르는데, 목록에 각 파티의 위험과 "
     "성공 확률이 함께 나옵니다. 짐을 잃으면 보수도 명성도 없습니다.",
     "Ttradecform"},
    {"저장과 단축키",
     "지도 창의 \"파일\" 메뉴에서 \"저장\"(Ctrl+S)으로 열 칸 가운데 하나에 저장합니다. "
     "게임은 매 턴 자동으로도 저장됩니다.\n\n"
     "단축키:\n"
     "F1: 도움말\n"
     "Ctrl+I: 길드 현황\n"
     "Ctrl+P: 파티 현황\n"
     "Ctrl+L: 기록\n"
     "Ctrl+M: 지도\n"
     "Ctrl+S: 저장\n"
     "Ctrl+X: 끝내기\n"
     "Ctrl+I, Ctrl+P, Ctrl+L은 게임의 어느 창에서나 됩니다. 길드 창처럼 닫아야 다른 창을 "
     "쓸 수 있는 창에서는 Ctrl+I가 길드 현황을 알려 주고, 기록과 파티 현황은 그 창 위에 "
     "열립니다.\n"
     "Esc: 창을 닫거나 도시 명령 창으로 돌아갑니다.\n"
     "지도에서는 화살표로 이웃 도시에, Home으로 주인공의 도시에 갑니다. Enter는 그 "
     "도시의 파티 명령을 엽니다.\n\n"
     "설정 메뉴에서 화면 배율, 음악과 음량, \"완료 전에 묻기\", 턴의 소식을 한 창에 모아 "
     "볼지를 고릅니다. 지도 창과 타이틀 창은 크게 늘릴 수 있고, 창의 자리와 크기는 다음에도 "
     "그대로입니다.",
     "Tsaveform Tloadform Tsettingsform"},
}};

}  // namespace

Thelpform::Thelpform() {
    setObjectName(QStringLiteral("Thelpform"));
    setWindowTitle(QStringLiteral("도움말"));
    resize(620, 420);

    topicList = new QListWidget(this);
    topicList->setObjectName(QStringLiteral("topiclist"));
    topicList->setAccessibleName(QStringLiteral("도움말 차례"));
    for (const HelpPage& page : kPages)
        topicList->addItem(QString::fromUtf8(page.title));
    topicList->setMaximumWidth(160);

    helpText = new QTextBrowser(this);
    helpText->setObjectName(QStringLiteral("helptext"));
    // Tab leaves the text for the next control, as everywhere else.
    helpText->setTabChangesFocus(true);

    closeButton = makeButton(this, "closebtn", "닫기", "도움말을 닫습니다.");

    auto* pages = new QHBoxLayout;
    pages->addWidget(topicList);
    pages->addWidget(helpText, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pages, 1);
    layout->addLayout(buttons);

    connect(topicList, &QListWidget::currentRowChanged, this, &Thelpform::showPage);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    topicList->setCurrentRow(0);
}

int Thelpform::pageCount() const {
    return static_cast<int>(kPages.size());
}

void Thelpform::showPage(int page) {
    if (page < 0 || page >= pageCount()) return;
    helpText->setPlainText(QString::fromUtf8(kPages[static_cast<std::size_t>(page)].text));
    // A screen reader hears the page's title with its text.
    helpText->setAccessibleName(QString::fromUtf8(kPages[static_cast<std::size_t>(page)].title));
}

void Thelpform::showPageFor(const QString& window) {
    int chosen = 0;
    for (int page = 0; page < pageCount(); ++page) {
        const QStringList windows =
            QString::fromUtf8(kPages[static_cast<std::size_t>(page)].windows)
                .split(QLatin1Char(' '));
        if (windows.contains(window)) chosen = page;
    }
    topicList->setCurrentRow(chosen);
    showPage(chosen);
}

}  // namespace orrowvale
