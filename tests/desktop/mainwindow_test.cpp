// The main window on the real widgets: start-up, the menu, the program run
// and the ways of ending.
#include <QFontMetrics>
#include <QMenuBar>
#include <QTest>
#include <csignal>

#include "desktop/desktop.h"
#include "platform/terminationsignals.h"

namespace ulvora::testing {
namespace {

// --- Start-up --------------------------------------------------------------

TEST(MainWindowStartup, TheScreenHoldsTwentyFourEmptyLines) {
    Desktop d;
    const QTextDocument& document = *d.form1->printmemo.document();
    ASSERT_EQ(document.blockCount(), 24);
    for (int n = 0; n < 24; ++n) EXPECT_EQ(d.row(n), "") << "row " << n;
    EXPECT_EQ(d.machine().printmemo, std::vector<std::string>(24));
    EXPECT_EQ(d.machine().cursor.row(), 0);
    EXPECT_EQ(d.machine().cursor.column(), 0);
}

TEST(MainWindowStartup, ThePrintmemoIsAReadOnlyUnwrappedMonospacedView) {
    Desktop d;
    const QPlainTextEdit& memo = d.form1->printmemo;
    EXPECT_TRUE(memo.isReadOnly());
    EXPECT_EQ(memo.lineWrapMode(), QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(memo.font());
    for (const QChar c : QString::fromUtf8("iW.Ž ")) {
        EXPECT_EQ(metrics.horizontalAdvance(c), metrics.horizontalAdvance('M'))
            << "every column as wide";
    }
    EXPECT_EQ(d.form1->centralWidget(), &memo);
}

struct TitleCase {
    const char* executable;
    int language;
    const char* title;
};

TEST(MainWindowStartup, TheTitleIsTheExecutableNameWithoutItsExtension) {
    const TitleCase cases[] = {
        {"my.dir/game.exe", 2000, "game - Ulvora Basic Interpreter"},
        {"bin/ulvora", 1000, "ulvora - Překladač Ulvora Basicu"},
        {"basic.exe", 3000, "basic - Prekladač Ulvora Basicu"},
    };
    for (const TitleCase& c : cases) {
        DesktopSetup setup;
        setup.executable = c.executable;
        setup.language = c.language;
        Desktop d(std::move(setup));
        EXPECT_EQ(d.form1->windowTitle().toStdString(), c.title) << c.executable;
    }
}

struct LanguageMenus {
    int language;
    const char* program;
    const char* start;
    const char* exit;
    const char* settings;
    const char* braille;
    const char* sounds;
    const char* voice;
    const char* sapi5;
    const char* environment;
    const char* help;
    const char* about;
};

void PrintTo(const LanguageMenus& m, std::ostream* out) {
    *out << "language " << m.language;
}

class MenuCaptions : public ::testing::TestWithParam<LanguageMenus> {};

TEST_P(MenuCaptions, FollowTheStringTableWithTheirSuffixes) {
    const LanguageMenus& m = GetParam();
    DesktopSetup setup;
    setup.language = m.language;
    Desktop d(std::move(setup));
    TForm1& f = *d.form1;
    EXPECT_EQ(f.Programmenu.title().toStdString(), m.program);
    EXPECT_EQ(f.Startsubmenu.text().toStdString(), m.start);
    EXPECT_EQ(f.exitsubmenu.text().toStdString(), m.exit);
    EXPECT_EQ(f.settingsmenu.title().toStdString(), m.settings);
    EXPECT_EQ(f.braillekeyboarditem.text().toStdString(), m.braille);
    EXPECT_EQ(f.soundssubmenu.text().toStdString(), m.sounds);
    EXPECT_EQ(f.Voicesubmenu.text().toStdString(), m.voice);
    EXPECT_EQ(f.usesapi5submenu.text().toStdString(), m.sapi5);
    EXPECT_EQ(f.environmentsubmenu.text().toStdString(), m.environment);
    EXPECT_EQ(f.helpmenu.title().toStdString(), m.help);
    EXPECT_EQ(f.aboutsubmenu.text().toStdString(), m.about);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, MenuCaptions,
    ::testing::Values(LanguageMenus{1000, "&Program", "&Spustit", "Kon&ec", "Na&stavení",
                                    "&Braillská klávesnice", "&Zvuky...", "&Hlas...",
                                    "Používat hlas SA&PI5", "Prostř&edí...", "Ná&pověda",
                                    "O progr&amu"},
                      LanguageMenus{2000, "&Program", "&Start", "&Exit", "&Settings",
                                    "&Braille keyboard", "&Sounds...", "&Voice...",
                                    "Use SA&PI5 voice", "&Environment...", "Hel&p", "&About"},
                      LanguageMenus{3000, "&Program", "&Spustiť", "Koni&ec", "Na&stavenia",
                                    "&Braillská klávesnica", "&Zvuky...", "&Hlas...",
                                    "Používať hlas SA&PI5", "Prostr&edie...", "&Pomoc",
                                    "O progr&ame"}),
    [](const ::testing::TestParamInfo<LanguageMenus>& param) {
        return std::to_string(param.param.language);
    });

TEST(MainWindowMenu, ItemsSitInTheirMenusWithFixedShortcutsAndMarks) {
    Desktop d;
    TForm1& f = *d.form1;
    struct Item {
        QMenu* menu;
        QAction* item;
        const char* shortcut;
        bool radio;
    };
    const Item items[] = {
        {&f.Programmenu, &f.Startsubmenu, "Ctrl+S", false},
        {&f.Programmenu, &f.exitsubmenu, "", false},
        {&f.settingsmenu, &f.braillekeyboarditem, "Ctrl+B", true},
        {&f.settingsmenu, &f.soundssubmenu, "Ctrl+D", false},
        {&f.settingsmenu, &f.Voicesubmenu, "Ctrl+H", false},
        {&f.settingsmenu, &f.usesapi5submenu, "Ctrl+P", true},
        {&f.settingsmenu, &f.environmentsubmenu, "Ctrl+E", false},
        {&f.helpmenu, &f.aboutsubmenu, "", false},
    };
    QList<QAction*> expectedOrder[3];
    for (const Item& i : items) {
        SCOPED_TRACE(i.item->objectName().toStdString());
        EXPECT_EQ(i.item->shortcut(), QKeySequence(QString::fromLatin1(i.shortcut)));
        EXPECT_EQ(i.item->isCheckable(), i.radio);
        if (i.radio) {
            ASSERT_NE(i.item->actionGroup(), nullptr);
            EXPECT_TRUE(i.item->actionGroup()->isExclusive()) << "drawn with a radio mark";
        }
        const int menu = i.menu == &f.Programmenu ? 0 : i.menu == &f.settingsmenu ? 1 : 2;
        expectedOrder[menu].push_back(i.item);
    }
    EXPECT_EQ(f.Programmenu.actions(), expectedOrder[0]);
    EXPECT_EQ(f.settingsmenu.actions(), expectedOrder[1]);
    EXPECT_EQ(f.helpmenu.actions(), expectedOrder[2]);
    EXPECT_EQ(f.menuBar()->actions(),
              (QList<QAction*>{f.Programmenu.menuAction(), f.settingsmenu.menuAction(),
                               f.helpmenu.menuAction()}));
}

struct SettingsCase {
    const char* name;
    bool file;
    bool voiceallowed;
    bool sapi5;
    bool braillekeys;
    bool voiceEnabled;
};

TEST(MainWindowStartup, SettingsSetTheValuesTheMarksAndTheVoiceItem) {
    const SettingsCase cases[] = {
        {"first start: no engine, speech not allowed", false, false, false, false, false},
        {"speech allowed, older engine", true, true, false, false, true},
        {"speech allowed, system voice", true, true, true, false, false},
        {"speech not allowed, Braille keys on", true, false, false, true, false},
    };
    for (const SettingsCase& c : cases) {
        SCOPED_TRACE(c.name);
        DesktopSetup setup;
        setup.prepare = [&c](const std::filesystem::path&, SettingsFile& settings) {
            if (!c.file) return;
            savesettings(settings, c.voiceallowed, false, -2500, c.braillekeys);
            writesapi5(settings, c.sapi5);
        };
        Desktop d(std::move(setup));
        TForm1& f = *d.form1;
        EXPECT_EQ(d.machine().voiceallowed, c.voiceallowed);
        EXPECT_EQ(f.usesapi5submenu.isChecked(), c.sapi5);
        EXPECT_EQ(f.sapi5inuse, c.sapi5);
        EXPECT_EQ(f.voiceready, c.sapi5);
        EXPECT_EQ(f.braillekeyboarditem.isChecked(), c.braillekeys);
        EXPECT_EQ(f.braillekeys, c.braillekeys);
        EXPECT_EQ(f.Voicesubmenu.isEnabled(), c.voiceEnabled);
        EXPECT_FALSE(f.runstarted);
        EXPECT_EQ(d.machine().ulvorasounds, !c.file);
        EXPECT_EQ(d.machine().sndvolume, c.file ? -2500 : 0);
        const SettingsFile written(settingsPathFor(d.folder / "my.dir/game.exe"));
        ASSERT_TRUE(written.exists());
        EXPECT_EQ(written.readBool("voice", "voiceallowed", true), c.voiceallowed);
    }
}

TEST(MainWindowStartup, TheMemoryImageComesFromRamDat) {
    std::string image(kRamSize, '\0');
    image[0] = 1;
    image[300] = 77;
    image[kRamSize - 1] = 9;
    DesktopSetup setup;
    setup.prepare = [&](const std::filesystem::path& folder, SettingsFile&) {
        writefile(folder / "ram.dat", image);
    };
    Desktop d(std::move(setup));
    EXPECT_EQ(d.machine().peek(0), 1);
    EXPECT_EQ(d.machine().peek(300), 77);
    EXPECT_EQ(d.machine().peek(static_cast<double>(kRamSize - 1)), 9);
    EXPECT_EQ(d.machine().peek(1), 0);
}

TEST(MainWindowStartupDeathTest, AMissingWaveBankIsReportedAndEndsTheProcess) {
    DesktopSetup setup;
    setup.language = 2000;
    setup.opensounds = nullptr;  // the program's own sound output
    // The process ends before the desktop could remove its folder.
    const std::filesystem::path folder = freshfolder();
    setup.folder = folder;
    EXPECT_EXIT(
        {
            Steps steps;
            steps.when(
                [] {
                    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
                },
                [] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    std::fprintf(stderr, "message: %s\n", box->text().toStdString().c_str());
                    box->accept();
                });
            Desktop d(std::move(setup));
        },
        ::testing::ExitedWithCode(1), "message: Can't find the file sounds\\.dat");
    EXPECT_FALSE(std::filesystem::exists(folder / "ram.dat")) << "nothing is saved";
    std::filesystem::remove_all(folder);
}

TEST(MainWindowStartup, TheWaveBankPlaysThroughTheSoundOutputAndSilenceIsSaidOnce) {
    const auto bank = std::filesystem::path(ULVORA_RUN_DIR) / "sounds.dat";
    ASSERT_TRUE(std::filesystem::exists(bank)) << "the build generates " << bank;
    Steps steps;
    std::vector<std::string> messages;
    steps.acceptmessage(messages);
    DesktopSetup setup;
    setup.language = 2000;
    setup.opensounds = nullptr;
    setup.prepare = [&](const std::filesystem::path& folder, SettingsFile&) {
        std::filesystem::copy_file(bank, folder / "sounds.dat");
    };
    bool played = false;
    setup.program = [&](Machine& m) {
        m.sound({1000}, 20, 1);
        m.click(1);
        played = true;
    };
    Desktop d(std::move(setup));
    // The tests run the silent driver: nothing is heard, and the user is told.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("sounds will not be heard"), std::string::npos) << messages[0];
    EXPECT_TRUE(d.form1->sounddev.isOpen());
    EXPECT_TRUE(d.form1->sounddev.hasWave("snd11"));
    EXPECT_FALSE(d.form1->sounddev.hasWave("snd99"));
    d.form1->Startsubmenu.trigger();
    EXPECT_TRUE(played);
    EXPECT_EQ(messages.size(), 1u);
}

// --- The program run -----------------------------------------------------

struct ItemState {
    const char* name;
    QAction* item;
    bool enabledDuringRun;
};

std::vector<ItemState> runitems(TForm1& f) {
    return {
        {"Start", &f.Startsubmenu, false},
        {"Exit", &f.exitsubmenu, true},
        {"Braille keyboard", &f.braillekeyboarditem, true},
        {"Sounds", &f.soundssubmenu, false},
        {"Voice", &f.Voicesubmenu, false},
        {"Use SAPI5 voice", &f.usesapi5submenu, false},
        {"Environment", &f.environmentsubmenu, false},
        {"Help menu", f.helpmenu.menuAction(), false},
    };
}

TEST(ProgramRun, SixItemsAreDisabledWhileTheProgramRunsAndEnabledAfter) {
    std::string answer;
    std::vector<std::pair<std::string, bool>> seenInProgram;
    std::vector<std::pair<std::string, bool>> seenAtInput;
    Desktop* desktop = nullptr;
    DesktopSetup setup;
    setup.program = [&](Machine& m) {
        for (const ItemState& s : runitems(*desktop->form1))
            seenInProgram.emplace_back(s.name, s.item->isEnabled());
        m.inputstr(answer, 0);
    };
    Desktop d(std::move(setup));
    desktop = &d;
    ASSERT_FALSE(d.form1->Voicesubmenu.isEnabled()) << "speech is not allowed";
    d.steps.when([&] { return d.form2->isVisible(); },
                 [&] {
                     for (const ItemState& s : runitems(*d.form1))
                         seenAtInput.emplace_back(s.name, s.item->isEnabled());
                     QTest::keyClicks(&d.form2->inputedit, "abc");
                     QTest::keyClick(&d.form2->inputedit, Qt::Key_Return);
                 });
    d.form1->Startsubmenu.trigger();

    const std::vector<ItemState> items = runitems(*d.form1);
    ASSERT_EQ(seenInProgram.size(), items.size());
    ASSERT_EQ(seenAtInput.size(), items.size());
    for (std::size_t k = 0; k < items.size(); ++k) {
        EXPECT_EQ(seenInProgram[k].second, items[k].enabledDuringRun) << items[k].name;
        EXPECT_EQ(seenAtInput[k].second, items[k].enabledDuringRun) << items[k].name;
        EXPECT_TRUE(items[k].item->isEnabled()) << items[k].name << " after the run";
    }
    EXPECT_EQ(answer, "abc");
    EXPECT_TRUE(d.form1->runstarted);
    EXPECT_FALSE(d.form1->running());
}

struct ReadyCase {
    const char* name;
    int language;
    std::uint8_t mode;
    std::vector<std::string> rows;
};

TEST(ProgramRun, ReadyIsPrintedWhereTheOutputEnded) {
    const ReadyCase cases[] = {
        {"line ended", 1000, 0, {"Příliš žluťoučký kůň", "hotovo", ""}},
        {"line left open", 1000, 1, {"Příliš žluťoučký kůňhotovo", "", ""}},
        {"English", 2000, 0, {"Příliš žluťoučký kůň", "ready", ""}},
    };
    for (const ReadyCase& c : cases) {
        SCOPED_TRACE(c.name);
        DesktopSetup setup;
        setup.language = c.language;
        setup.program = [&c](Machine& m) { m.print(fromUtf8("Příliš žluťoučký kůň"), c.mode); };
        Desktop d(std::move(setup));
        d.form1->Startsubmenu.trigger();
        for (std::size_t n = 0; n < c.rows.size(); ++n) {
            EXPECT_EQ(d.row(static_cast<int>(n)), c.rows[n]) << "row " << n;
        }
        EXPECT_EQ(d.form1->printmemo.document()->blockCount(), 24);
        EXPECT_EQ(d.form1->printmemo.textCursor().blockNumber(), d.machine().cursor.row())
            << "the caret follows the cursor";
    }
}

TEST(ProgramRun, ASecondRunKeepsTheFirstRunsText) {
    DesktopSetup setup;
    setup.program = [](Machine& m) { m.print("AHOJ", 0); };
    Desktop d(std::move(setup));
    d.form1->Startsubmenu.trigger();
    d.form1->Startsubmenu.trigger();
    EXPECT_EQ(d.row(0), "AHOJ");
    EXPECT_EQ(d.row(1), "hotovo");
    EXPECT_EQ(d.row(2), "AHOJ");
    EXPECT_EQ(d.row(3), "hotovo");
}

TEST(ProgramRun, CtrlSStartsTheProgramAndAStartDuringTheRunIsIgnored) {
    int runs = 0;
    Desktop* desktop = nullptr;
    DesktopSetup setup;
    setup.program = [&](Machine& m) {
        ++runs;
        QTest::keyClick(desktop->form1->windowHandle(), Qt::Key_S, Qt::ControlModifier);
        desktop->form1->StartsubmenuClick();
        m.host.processPendingEvents();
    };
    Desktop d(std::move(setup));
    desktop = &d;
    QTest::keyClick(d.form1->windowHandle(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(d.row(0), "hotovo");
    EXPECT_EQ(d.row(1), "");
}

TEST(ProgramRun, AMalformedDataFileIsReportedAndLeavesTheWindowUsable) {
    double last = 0;
    DesktopSetup setup;
    setup.prepare = [](const std::filesystem::path& folder, SettingsFile&) {
        writefile(folder / "data.dta", "12,zz,3\r\n");
    };
    setup.program = [&](Machine& m) {
        double value = 0;
        for (int k = 0; k < 3; ++k) {
            m.readnum(value);
            last = value;
        }
        m.print("KONEC", 0);
    };
    Desktop d(std::move(setup));
    std::vector<std::string> messages;
    d.steps.acceptmessage(messages);
    d.form1->Startsubmenu.trigger();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("zz"), std::string::npos) << messages[0];
    EXPECT_EQ(last, 12);
    EXPECT_EQ(d.row(0), "") << "neither the program's end nor ready was printed";
    EXPECT_TRUE(d.form1->isVisible());
    EXPECT_FALSE(d.form1->running());
    for (const ItemState& s : runitems(*d.form1)) EXPECT_TRUE(s.item->isEnabled()) << s.name;

    // Mended, the program runs again from the menu's shortcut.
    writefile(d.folder / "data.dta", "12,13,3\r\n");
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.form1.get())) << "the window has the keys again";
    QTest::keyClick(d.form1->windowHandle(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(last, 3);
    EXPECT_EQ(d.row(0), "KONEC");
    EXPECT_EQ(d.row(1), "hotovo");
}

TEST(ProgramRun, AnyKeyOnTheMainWindowEndsASoundsWait) {
    DesktopSetup setup;
    setup.program = [](Machine& m) {
        m.sound({1000}, 3'600'000, 1);  // an hour: only the key can end it here
        m.print("PO", 0);
    };
    Desktop d(std::move(setup));
    d.steps.when([&] { return d.machine().soundplaying; },
                 [&] { QTest::keyClick(d.form1->windowHandle(), Qt::Key_A); });
    d.form1->Startsubmenu.trigger();
    EXPECT_FALSE(d.machine().soundplaying);
    EXPECT_EQ(d.row(0), "PO");
}

TEST(ProgramRun, TheTimerEndsASoundsWait) {
    int sounds = 0;
    DesktopSetup setup;
    setup.program = [&](Machine& m) {
        for (int k = 0; k < 3; ++k) {
            m.sound({700}, 10, 1);
            ++sounds;
        }
    };
    Desktop d(std::move(setup));
    d.form1->Startsubmenu.trigger();
    EXPECT_EQ(sounds, 3);
    EXPECT_FALSE(d.machine().soundplaying);
}

// --- Ending ----------------------------------------------------------------

std::string imagewith(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    std::string image(kRamSize, '\0');
    for (const auto& [address, value] : bytes) image[address] = static_cast<char>(value);
    return image;
}

TEST(Ending, ExitWhenIdleSavesTheMemoryImageAndClosesTheWindow) {
    Desktop d;
    d.machine().poke(10, 200);
    d.machine().poke(65535, 1);
    d.form1->exitsubmenu.trigger();
    EXPECT_EQ(readfile(d.folder / "ram.dat"), imagewith({{10, 200}, {65535, 1}}));
    EXPECT_FALSE(d.form1->isVisible());
    EXPECT_FALSE(d.form1->sounddev.isOpen());
}

TEST(Ending, ClosingTheWindowWhenIdleSavesTheMemoryImage) {
    Desktop d;
    d.machine().poke(7, 42);
    EXPECT_TRUE(d.form1->close());
    EXPECT_EQ(readfile(d.folder / "ram.dat"), imagewith({{7, 42}}));
    EXPECT_FALSE(d.form1->sounddev.isOpen());
}

// The process really ends here (forked by the death test): the parent then
// finds the memory image the run had when it ended.
void endduringsound(const std::function<void(TForm1&)>& end) {
    DesktopSetup setup;
    setup.program = [](Machine& m) {
        m.poke(1000, 33);
        m.sound({1000}, 3'600'000, 1);
        m.poke(1000, 99);  // never reached
    };
    Desktop d(std::move(setup));
    const std::filesystem::path ram = d.folder / "ram.dat";
    EXPECT_EXIT(
        {
            d.steps.when([&] { return d.machine().soundplaying; }, [&] { end(*d.form1); });
            d.form1->Startsubmenu.trigger();
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(readfile(ram), imagewith({{1000, 33}}));
}

TEST(EndingDeathTest, ExitDuringARunSavesTheMemoryImageAndEndsTheProcess) {
    endduringsound([](TForm1& f) { f.exitsubmenu.trigger(); });
}

TEST(EndingDeathTest, ClosingTheWindowDuringARunSavesTheMemoryImageAndEndsTheProcess) {
    endduringsound([](TForm1& f) { f.close(); });
}

TEST(EndingDeathTest, ATerminationSignalDuringARunSavesTheMemoryImageAndEndsTheProcess) {
    std::unique_ptr<TerminationSignals> termination;
    endduringsound([&termination](TForm1& f) {
        termination = std::make_unique<TerminationSignals>([&f] { f.endsaving(); });
        ::raise(SIGTERM);
    });
}

}  // namespace
}  // namespace ulvora::testing
