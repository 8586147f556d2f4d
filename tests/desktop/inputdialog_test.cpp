// The input dialog on the real widgets: its controls, OK, the close box,
// Escape, and the exit button that ends the whole program.
#include <QPushButton>
#include <QTest>

#include "desktop/desktop.h"

namespace ulvora::testing {
namespace {

struct DialogCaptions {
    int language;
    const char* title;
    const char* ok;
    const char* exit;
};

void PrintTo(const DialogCaptions& c, std::ostream* out) {
    *out << "language " << c.language;
}

class InputDialogCaptions : public ::testing::TestWithParam<DialogCaptions> {};

TEST_P(InputDialogCaptions, ComeFromTheStringTableAtCreation) {
    const DialogCaptions& c = GetParam();
    DesktopSetup setup;
    setup.language = c.language;
    Desktop d(std::move(setup));
    EXPECT_EQ(d.form2->windowTitle().toStdString(), c.title);
    EXPECT_EQ(d.form2->Enterbitbtn.text().toStdString(), c.ok);
    EXPECT_EQ(d.form2->exitprogrambtn.text().toStdString(), c.exit);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, InputDialogCaptions,
    ::testing::Values(DialogCaptions{1000, "Vlož data", "&Ok", "U&končit program"},
                      DialogCaptions{2000, "Enter data", "&OK", "E&xit program"},
                      DialogCaptions{3000, "Vlož data", "&Ok", "U&končiť program"}),
    [](const ::testing::TestParamInfo<DialogCaptions>& param) {
        return std::to_string(param.param.language);
    });

TEST(InputDialog, HasTheLineOkAndExitInTabOrderAndNoCancelButton) {
    Desktop d;
    TForm2& f = *d.form2;
    EXPECT_FALSE(f.isVisible()) << "created hidden";
    EXPECT_TRUE(f.Enterbitbtn.isDefault());
    EXPECT_FALSE(f.exitprogrambtn.isDefault());
    EXPECT_EQ(f.findChildren<QPushButton*>().size(), 2);
    EXPECT_EQ(f.inputedit.nextInFocusChain(), &f.Enterbitbtn);
    EXPECT_EQ(f.Enterbitbtn.nextInFocusChain(), &f.exitprogrambtn);
}

// Asks one line through the host, as INPUT does, with `steps` acting in the
// dialog; gives whether it was confirmed and the line (Windows-1250).
std::pair<bool, std::string> askwith(Desktop& d, std::function<void(TForm2&)> act) {
    d.steps.when([&d] { return d.form2->isVisible(); }, [&d, act] { act(*d.form2); });
    std::string line = "untouched";
    const bool confirmed = d.host.askLine(line);
    return {confirmed, line};
}

void typetext(QWidget& widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(c), {});
}

TEST(InputDialog, EnterConfirmsTheTypedLine) {
    Desktop d;
    const auto [confirmed, line] = askwith(d, [](TForm2& f) {
        EXPECT_TRUE(f.inputedit.hasFocus()) << "the line is the active control";
        typetext(f.inputedit, QString::fromUtf8("Žluťoučký kůň"));
        QTest::keyClick(&f.inputedit, Qt::Key_Return);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(line, fromUtf8("Žluťoučký kůň"));
    EXPECT_FALSE(d.form2->isVisible());
}

TEST(InputDialog, EnterOnAnEmptyLineConfirmsAnEmptyLine) {
    Desktop d;
    const auto [confirmed, line] =
        askwith(d, [](TForm2& f) { QTest::keyClick(&f.inputedit, Qt::Key_Enter); });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(line, "");
}

TEST(InputDialog, EachQuestionStartsWithAnEmptyLine) {
    Desktop d;
    askwith(d, [](TForm2& f) {
        typetext(f.inputedit, "first");
        QTest::mouseClick(&f.Enterbitbtn, Qt::LeftButton);
    });
    QString shown = "not asked";
    const auto [confirmed, line] = askwith(d, [&shown](TForm2& f) {
        shown = f.inputedit.text();
        QTest::mouseClick(&f.Enterbitbtn, Qt::LeftButton);
    });
    EXPECT_EQ(shown, "");
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(line, "");
}

TEST(InputDialog, EscapeDoesNotCloseIt) {
    Desktop d;
    bool openAfterEscape = false;
    const auto [confirmed, line] = askwith(d, [&](TForm2& f) {
        typetext(f.inputedit, "ab");
        QTest::keyClick(&f.inputedit, Qt::Key_Escape);
        openAfterEscape = f.isVisible();
        QTest::keyClick(&f.inputedit, Qt::Key_Return);
    });
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(line, "ab");
}

TEST(InputDialog, TheCloseBoxGivesAResultOtherThanOk) {
    Desktop d;
    const auto [confirmed, line] = askwith(d, [](TForm2& f) {
        typetext(f.inputedit, "ignored");
        f.close();
    });
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(line, "untouched");
}

TEST(InputDialog, TheProgramsInputTakesTheConfirmedLine) {
    std::string name;
    double number = 0;
    DesktopSetup setup;
    setup.program = [&](Machine& m) {
        m.inputstr(name, 0);
        m.inputnum(number, 0);
    };
    Desktop d(std::move(setup));
    d.steps.when([&] { return d.form2->isVisible(); },
                 [&] {
                     typetext(d.form2->inputedit, QString::fromUtf8("  Šárka, 7 "));
                     QTest::keyClick(&d.form2->inputedit, Qt::Key_Return);
                     d.steps.when([&] { return d.form2->isVisible(); },
                                  [&] {
                                      typetext(d.form2->inputedit, "42");
                                      QTest::keyClick(&d.form2->inputedit, Qt::Key_Return);
                                  });
                 });
    d.form1->Startsubmenu.trigger();
    EXPECT_EQ(name, fromUtf8("Šárka"));
    EXPECT_EQ(number, 42);
}

TEST(InputDialogDeathTest, TheExitButtonSavesTheMemoryImageAndEndsTheRunningProgram) {
    DesktopSetup setup;
    setup.program = [](Machine& m) {
        m.poke(2, 5);
        std::string answer;
        m.inputstr(answer, 0);
        m.poke(2, 6);  // never reached
    };
    Desktop d(std::move(setup));
    EXPECT_EXIT(
        {
            d.steps.when([&] { return d.form2->isVisible(); },
                         [&] { QTest::mouseClick(&d.form2->exitprogrambtn, Qt::LeftButton); });
            d.form1->Startsubmenu.trigger();
        },
        ::testing::ExitedWithCode(0), "");
    std::string expected(kRamSize, '\0');
    expected[2] = 5;
    EXPECT_EQ(readfile(d.folder / "ram.dat"), expected);
}

}  // namespace
}  // namespace ulvora::testing
