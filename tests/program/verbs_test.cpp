// The command loop: the short replies of the verbs, the splitting of the
// typed line, the commands list, and the layouts of the object list and the
// inventory.
#include "program/verbs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "l10n/cp1250.h"
#include "program/texts.h"
#include "routes.h"

namespace ulvora::testing {
namespace {

namespace text = program::text;
using ::testing::HasSubstr;

std::string line(std::string_view text) {
    return std::string(text) + "\n";
}

const std::string kPrompt = "\nco teď?\n";

struct ReplyCase {
    Script before;  // in the test world's hall, after the instructions question
    std::string typed;
    std::string reply;  // what follows the typed line, up to the next prompt
};

const ReplyCase kReplies[] = {
    {{}, "xyz", "Tento příkaz nechápu! Volej PŘÍKAZY.\n"},
    {{}, "inventář", "Tento příkaz nechápu! Volej PŘÍKAZY.\n"},
    {{}, "s obr", "Tento příkaz nechápu! Volej PŘÍKAZY.\n"},
    {{}, "Ber kni", "Tento příkaz nechápu! Volej PŘÍKAZY.\n"},
    {{}, "ber", "Musíš udat, co chceš brát!\n"},
    {{}, "ber xyz", "Tuto věc nelze sebrat!\n"},
    {{}, "ber Kniha", "Tuto věc nelze sebrat!\n"},
    {{}, "ber  kni", "Tuto věc nelze sebrat!\n"},
    {{}, "ber knize", "oukej\n"},
    {{"ber kni", "ber klí", "ber mas", "v"},
     "ber kla",
     "Máš plné ruce. Nemůžeš nic dalšího brát.\n"},
    {{}, "pol", "Musíš udat, co chceš položit!\n"},
    {{}, "pol kni", "Nemůžeš položit žádnou věc, protože u sebe nic nemáš.\n"},
    {{"ber kni"}, "pol mas", "Tuto věc nemáš u sebe. Volej inventář.\n"},
    {{"ber kni"}, "pol kniha", "položeno\n"},
    {{}, "inv", "Nic sebou neneseš.\n"},
    {{"ber mas"}, "inventář x", "Ve tvých rukou je \nmaska, "},
    {{}, "pro", "Musíš udat, co chceš prozkoumat.\n"},
    {{}, "pro xyz", "Tuto věc nelze zkoumat nebo ji nemáš u sebe.\n"},
    {{}, "pro kni", "Tuto věc nelze zkoumat nebo ji nemáš u sebe.\n"},
    {{}, "roz", "Nemáš nástroj, kterým bys mohl rozbíjet.\n"},
    {{}, "roz kry", "Nemáš nástroj, kterým bys mohl rozbíjet.\n"},
    {{}, "sti", "Rád bys něco stiskl, ale musíš napsat co.\n"},
    {{}, "sti kno", line(text::kCannotPress)},
    {{}, "pij", "Něco k pití by ti přišlo k duhu, ale musíš napsat co.\n"},
    {{}, "pij naf", "Tohohle se těžko nabumbáš.\n"},
    {{}, "tel", "K teleportování časoprostorem lze využít jen teleportačních místností.\n"},
    {{}, "ram", "Operace s pamětí se provádí jen příkazy ram load a ram save.\n"},
    {{}, "ram sav", "Situace nahrána v paměti.\n"},
    {{}, "j", "Tímto směrem se nedá jít.\n\nLze jít \nna sever,\nna východ,\nna západ,\n"},
    {{}, "smě", "\nLze jít \nna sever,\nna východ,\nna západ,\n"},
};

TEST(Verbs, ShortRepliesOfTheVerbs) {
    for (const ReplyCase& c : kReplies) {
        SCOPED_TRACE(c.typed);
        GameRig rig(kTestWorld);
        rig.run(kNoInstructions + c.before + Script{c.typed} + kQuitRun);
        EXPECT_THAT(rig.transcript(),
                    HasSubstr("> " + c.typed + "\n" + c.reply + kPrompt + "> kon"));
    }
}

TEST(Verbs, ADialogClosedWithoutOkIsNoAnswerAndNoCommand) {
    GameRig rig;
    rig.host.lines.emplace_back(std::nullopt);  // the instructions question
    rig.host.lines.emplace_back(std::nullopt);  // the first command
    rig.run(kQuitRun);
    EXPECT_THAT(rig.transcript(), HasSubstr("chceš instrukce? Napiš ano nebo ne\n> (closed)\n" +
                                            line(text::kEntranceHall)));
    EXPECT_THAT(rig.transcript(),
                HasSubstr("co teď?\n> (closed)\nTento příkaz nechápu! Volej PŘÍKAZY.\n"));
}

TEST(Verbs, CommandsListInItsOrder) {
    GameRig rig;
    rig.run(kNoInstructions + Script{"pří"} + kQuitRun);
    std::string expected = "> pří\n";
    for (const auto& entry : text::kCommandsList) expected += line(entry);
    EXPECT_THAT(rig.transcript(), HasSubstr(expected + kPrompt));
}

TEST(Verbs, TheRoomVerbDescribesTheRoomAgain) {
    GameRig rig;
    rig.run(kNoInstructions + Script{"mís"} + kQuitRun);
    EXPECT_THAT(
        rig.transcript(),
        HasSubstr("> mís\n" + line(text::kEntranceHall) +
                  "Je zde \nkniha, \n\nLze jít \nna sever,\nna východ,\nna západ,\n" + kPrompt));
}

std::string screenRow(const GameRig& rig, int row) {
    std::string text = toUtf8(rig.machine.printmemo.at(static_cast<std::size_t>(row)));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

TEST(Layouts, ObjectListOneObjectALineAfterTheRoomTextBeforeTheExits) {
    GameRig rig(kTestWorld);
    rig.run(kNoInstructions + Script{"ber kni", "v", "pol kni", "z", "v", "mís"} + kQuitRun);
    const std::string& out = rig.transcript();
    // Carried objects whose record names the hall are not listed.
    EXPECT_THAT(out, HasSubstr("> z\n" + line(text::kEntranceHall) +
                               "Je zde \nklíč, \nmaska, \n\nLze jít \n"));
    // Put down, it stays; objects are listed in the order of their records.
    EXPECT_THAT(out, HasSubstr("> mís\n" + line(text::kJewelCorridor1) +
                               "Je zde \nkniha, \nkrychle, \nkladivo, \n\nLze jít \nna "
                               "východ,\nna západ,\n" +
                               kPrompt + "> kon\n"));
}

TEST(Layouts, ObjectListOnTheScreen) {
    GameRig rig(kTestWorld);
    bool checked = false;
    rig.host.beforeLine = [&rig, &checked](int asked) {
        if (asked != 1) return;
        checked = true;
        // The hall's description, as the screen shows it before the prompt.
        const std::vector<std::string> expected = {
            "Je zde",    "kniha,",     "klíč,",     "maska,", "",       "Lze jít",
            "na sever,", "na východ,", "na západ,", "",       "co teď?"};
        const int last = rig.machine.cursor.row() - 1;
        const int first = last - static_cast<int>(expected.size()) + 1;
        for (std::size_t k = 0; k < expected.size(); ++k) {
            EXPECT_EQ(screenRow(rig, first + static_cast<int>(k)), expected[k]);
        }
    };
    rig.run(kNoInstructions + kQuitRun);
    EXPECT_TRUE(checked);
}

TEST(Layouts, InventoryNamesOnOneLineEndedByTheNextPrompt) {
    GameRig rig(kTestWorld);
    bool checked = false;
    rig.host.beforeLine = [&rig, &checked](int asked) {
        if (asked != 5) return;
        checked = true;
        const int row = rig.machine.cursor.row();
        EXPECT_EQ(screenRow(rig, row - 3), "Ve tvých rukou je");
        EXPECT_EQ(screenRow(rig, row - 2), "kniha, klíč, maska,");
        EXPECT_EQ(screenRow(rig, row - 1), "co teď?");
    };
    rig.run(kNoInstructions + Script{"ber mas", "ber kni", "ber klí", "inv"} + kQuitRun);
    EXPECT_TRUE(checked);
    EXPECT_THAT(rig.transcript(),
                HasSubstr("> inv\nVe tvých rukou je \nkniha, klíč, maska, \nco teď?\n"));
}

TEST(Splitting, VerbIsTheFirstThreeCharactersAndTheNounTheThreeAfterTheFirstBlank) {
    program::State state;
    const struct {
        std::string typed, verb, noun;
    } cases[] = {
        {"ber kniha", "ber", "kni"}, {"inv", "inv", ""},         {"inventář", "inventář", ""},
        {"inventář x", "inv", "x"},  {"s obr", "s o", "obr"},    {"ber  kni", "ber", " kn"},
        {"a  b", "a  ", ""},         {"ram save", "ram", "sav"}, {"pro ky", "pro", "ky"},
    };
    for (const auto& c : cases) {
        state.cmdline = fromUtf8(c.typed);
        state.noun.clear();
        program::splitLine(state);
        EXPECT_EQ(toUtf8(state.cmdline), c.verb) << c.typed;
        EXPECT_EQ(toUtf8(state.noun), c.noun) << c.typed;
    }
}

}  // namespace
}  // namespace ulvora::testing
