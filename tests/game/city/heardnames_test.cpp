#include "city/heardnames.h"

#include "city/pub.h"
#include "game/scripts/scriptfixture.h"
#include "scripts/eventrunner.h"

namespace orrowvale::testing {
namespace {

class HeardNames : public ScriptTest {
  protected:
    void SetUp() override {
        dir.write("data\\contact\\list.txt",
                  "검은깃털\ncontact\\a.evn\n달빛 행상\ncontact\\b.evn\n석담\ncontact\\c.evn\n");
    }
};

TEST_F(HeardNames, BoxesDialoguesAndRumoursNameContactsOnceInTheOrderHeard) {
    dir.write("data\\talk.evn",
              "[START]\n-optend-\n:dlg\n아무도 모르는 이름, 노 집사\n"
              ":talk\n석담\n&start\n내 이름은 말했지.\n&end\n"
              ":dlg\n석담과 \"검은깃털\"을 찾아라\n[END]\n");
    runEvent(game, "talk.evn");
    EXPECT_EQ(heardNameRows(state), (ListRows{{1, "석담"}, {2, "검은깃털"}}));

    dir.write("data\\pubevent0.evn", "없음\n");
    dir.write("data\\gossip\\gossip.txt", "1\n:start\n보름밤의 \"달빛 행상\"\n:start\n");
    hearRumour(game);
    EXPECT_EQ(state.heardNames, (std::vector<std::string>{"석담", "검은깃털", "달빛 행상"}));
}

TEST_F(HeardNames, AWorldWithoutAContactListHasNobodyToHearOf) {
    std::filesystem::remove(dir.path("data\\contact\\list.txt"));
    hearNamesIn(game, "검은깃털");
    EXPECT_TRUE(state.heardNames.empty());
    EXPECT_TRUE(contactListNames(paths).empty());
}

}  // namespace
}  // namespace orrowvale::testing
