#include "app/mainwindow.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScrollBar>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <array>
#include <exception>
#include <optional>
#include <string_view>

#include "app/settings.h"
#include "app/settingsfile.h"
#include "l10n/cp1250.h"
#include "platform/banksounddevice.h"
#include "platform/qthost.h"
#include "program/ulvprog.h"

namespace ulvora {
namespace {

// The menu, item by item in menu order: caption string, "..." after it,
// fixed shortcut, radio-style check mark, handler.
struct MenuItem {
    QMenu TForm1::*menu;
    QAction TForm1::*item;
    const char* name;
    int caption;
    bool ellipsis;
    const char* shortcut;
    bool radio;
    void (TForm1::*handler)();
};

// clang-format off
const std::array<MenuItem, 8> kMenuItems = {{
    {&TForm1::Programmenu,  &TForm1::Startsubmenu,        "Startsubmenu",        3,  false, "Ctrl+S", false, &TForm1::StartsubmenuClick},
    {&TForm1::Programmenu,  &TForm1::exitsubmenu,         "exitsubmenu",         33, false, "",       false, &TForm1::exitsubmenuClick},
    {&TForm1::settingsmenu, &TForm1::braillekeyboarditem, "braillekeyboarditem", 46, false, "Ctrl+B", true,  &TForm1::braillekeyboarditemClick},
    {&TForm1::settingsmenu, &TForm1::soundssubmenu,       "soundssubmenu",       20, true,  "Ctrl+D", false, &TForm1::soundssubmenuClick},
    {&TForm1::settingsmenu, &TForm1::Voicesubmenu,        "Voicesubmenu",        38, true,  "Ctrl+H", false, &TForm1::VoicesubmenuClick},
    {&TForm1::settingsmenu, &TForm1::usesapi5submenu,     "usesapi5submenu",     27, false, "Ctrl+P", true,  &TForm1::usesapi5submenuClick},
    {&TForm1::settingsmenu, &TForm1::environmentsubmenu,  "environmentsubmenu",  5,  true,  "Ctrl+E", false, &TForm1::environmentsubmenuClick},
    {&TForm1::helpmenu,     &TForm1::aboutsubmenu,        "aboutsubmenu",        35, false, "",       false, &TForm1::aboutsubmenuClick},
}};

struct MenuCaption {
    QMenu TForm1::*menu;
    const char* name;
    int caption;
};

const std::array<MenuCaption, 3> kMenus = {{
    {&TForm1::Programmenu,  "Programmenu",  2},
    {&TForm1::settingsmenu, "settingsmenu", 4},
    {&TForm1::helpmenu,     "helpmenu",     34},
}};

// Said once at start-up when nothing will be heard; the reason (from the
// sound output, in English) follows on a line of its own.
struct SilentText {
    int languagebase;
    std::string_view text;  // UTF-8
};

const std::array<SilentText, 3> kSoundsOff = {{
    {1000, "Zvuky Ulvory nebudou slyšet: zvukový výstup nelze otevřít."},
    {2000, "The Ulvora sounds will not be heard: no sound output could be opened."},
    {3000, "Zvuky Ulvory nebude počuť: zvukový výstup nie je možné otvoriť."},
}};
// clang-format on

std::string_view soundsofftext(int languagebase) {
    const auto found = std::find_if(kSoundsOff.begin(), kSoundsOff.end(), [&](const SilentText& t) {
        return t.languagebase == languagebase;
    });
    return found != kSoundsOff.end() ? found->text : kSoundsOff[1].text;
}

OpenedSounds opensdlsounds(const std::filesystem::path& bankfile) {
    OpenedSounds opened;
    std::unique_ptr<BankSoundDevice> device = openBankSoundDevice(bankfile);
    if (device) {
        opened.silent = device->isSilent();
        opened.silentreason = device->silentReason();
        opened.device = std::move(device);
    }
    return opened;
}

}  // namespace

TForm1::TForm1(QtHost& host, TForm1Options options)
    : Programmenu(this),
      settingsmenu(this),
      helpmenu(this),
      machine(host, speech, sounddev, options.folder),
      host_(host),
      options_(std::move(options)),
      braillegroup_(this),
      sapi5group_(this) {
    if (!options_.program) options_.program = runprogram;
    if (!options_.opensounds) options_.opensounds = opensdlsounds;

    printmemo.setObjectName("printmemo");
    printmemo.setReadOnly(true);
    printmemo.setLineWrapMode(QPlainTextEdit::NoWrap);
    printmemo.setWordWrapMode(QTextOption::NoWrap);
    printmemo.setTabChangesFocus(true);
    // Read-only, but the caret still moves, so a screen reader can follow it.
    printmemo.setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    printmemo.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Key preview: the window's key handlers see every key before the memo.
    printmemo.installEventFilter(this);
    setCentralWidget(&printmemo);

    buildmenu();
    host_.onscreenchanged = [this] { showscreen(); };
    FormCreate();

    // Room for the whole screen: 80 columns and 24 rows of the fixed font.
    const QFontMetrics metrics(printmemo.font());
    const int margins =
        2 * (printmemo.frameWidth() + static_cast<int>(printmemo.document()->documentMargin()));
    const int scrollbar = printmemo.verticalScrollBar()->sizeHint().width();
    resize(
        metrics.horizontalAdvance(QString(kScreenColumns, QChar('M'))) + margins + scrollbar,
        metrics.lineSpacing() * kScreenRows + margins + scrollbar + menuBar()->sizeHint().height());
}

TForm1::~TForm1() {
    host_.onscreenchanged = nullptr;
    printmemo.removeEventFilter(this);
}

void TForm1::buildmenu() {
    for (const MenuCaption& row : kMenus) {
        QMenu& menu = this->*row.menu;
        menu.setObjectName(row.name);
        menuBar()->addMenu(&menu);
    }
    for (const MenuItem& row : kMenuItems) {
        QAction& item = this->*row.item;
        item.setObjectName(row.name);
        item.setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
        (this->*row.menu).addAction(&item);
        const auto handler = row.handler;
        if (!row.radio) {
            connect(&item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
            continue;
        }
        // A radio-style mark on an item of its own. The click handler decides
        // the mark, so Qt's own toggle on a click is undone before it runs.
        item.setCheckable(true);
        QActionGroup& group = &item == &braillekeyboarditem ? braillegroup_ : sapi5group_;
        group.setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        group.addAction(&item);
        connect(&item, &QAction::triggered, this, [this, &item, handler](bool checked) {
            item.setChecked(!checked);
            (this->*handler)();
        });
    }
    // Enabled by the start-up sequence when speech is allowed.
    Voicesubmenu.setEnabled(false);
}

void TForm1::FormCreate() {
    // 1. The language: every string from here on is of this language.
    SettingsFile settings(settingsPathFor(options_.executable));
    machine.languagebase = readlanguage(settings);

    // 2. The title: the program's file name without its extension.
    setWindowTitle(QString::fromStdString(options_.executable.stem().string()) + " - " +
                   qtext(machine.getstring(1)));

    // 3. Captions.
    for (const MenuCaption& row : kMenus)
        (this->*row.menu).setTitle(qtext(machine.getstring(row.caption)));
    for (const MenuItem& row : kMenuItems) {
        const QString caption = qtext(machine.getstring(row.caption));
        (this->*row.item).setText(row.ellipsis ? caption + "..." : caption);
    }

    // 4. An empty screen of 24 lines; the cursor is at its home.
    machine.printmemo.assign(kScreenRows, std::string());
    showscreen();

    // 5. Defaults, before the settings.
    sapi5inuse = false;
    voiceready = false;
    runstarted = false;
    machine.voiceallowed = false;
    machine.ulvorasounds = true;
    machine.sndvolume = 0;
    braillekeys = false;

    // 6. The voice engine's objects come with the speech engines; until then
    //    the voice enumerator is empty, which is what a failure leaves too.

    // 7. to 9. Settings, the speech flags and the Voice item.
    loadthesettings();
    sapi5inuse = usesapi5submenu.isChecked();
    voiceready = usesapi5submenu.isChecked();
    Voicesubmenu.setEnabled(machine.voiceallowed && !usesapi5submenu.isChecked());

    // 10. The memory image.
    machine.loadram();

    // 11. and 12. The sound output and the wave bank.
    opensounds();

    // 13. and 14. The Braille table and the keyboard map come with the
    //     keyboard handling.
}

void TForm1::loadthesettings() {
    constexpr bool ttsenumexists = false;  // see step 6
    SettingsFile settings(settingsPathFor(options_.executable));
    try {
        const StartupSettings loaded = loadsettings(settings, ttsenumexists);
        machine.voiceallowed = loaded.voiceallowed;
        machine.ulvorasounds = loaded.ulvorasounds;
        machine.sndvolume = loaded.sndvolume;
        braillekeys = loaded.braillekeys;
        usesapi5submenu.setChecked(loaded.sapi5);
        braillekeyboarditem.setChecked(loaded.braillekeys);
    } catch (const std::exception& error) {
        // A first start in a folder that cannot be written: the defaults hold.
        host_.showerror(QString::fromUtf8(error.what()));
    }
}

void TForm1::opensounds() {
    OpenedSounds opened;
    try {
        opened = options_.opensounds(machine.folder / "sounds.dat");
    } catch (const std::exception& error) {
        // A damaged bank, or no output at all, not even the silent one: the
        // program goes on without the machine's sounds.
        host_.showerror(QString::fromUtf8(error.what()));
        return;
    }
    if (!opened.device) {
        host_.showMessage(machine.getstring(42) + " sounds.dat");
        host_.endProcess(1);
    }
    sounddev.open(std::move(opened.device));
    if (opened.silent) {
        std::string text(soundsofftext(machine.languagebase));
        if (!opened.silentreason.empty()) text += "\n" + opened.silentreason;
        host_.showMessage(fromUtf8(text));
    }
}

void TForm1::showscreen() {
    QStringList lines;
    for (const std::string& line : machine.printmemo) lines << qtext(line);
    printmemo.setPlainText(lines.join(QChar('\n')));
    // The caret stands where the machine's cursor is.
    const QTextBlock block = printmemo.document()->findBlockByNumber(machine.cursor.row());
    if (!block.isValid()) return;
    QTextCursor caret(block);
    caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                       std::min<int>(machine.cursor.column(), block.length() - 1));
    printmemo.setTextCursor(caret);
}

void TForm1::setrunitems(bool enabled) {
    Startsubmenu.setEnabled(enabled);
    soundssubmenu.setEnabled(enabled);
    environmentsubmenu.setEnabled(enabled);
    Voicesubmenu.setEnabled(enabled);
    usesapi5submenu.setEnabled(enabled);
    helpmenu.menuAction()->setEnabled(enabled);
}

void TForm1::StartsubmenuClick() {
    // The item is disabled during a run; a trigger already queued must not
    // start a second run inside the first.
    if (running_) return;
    running_ = true;
    setrunitems(false);
    // Speech preparation (the saved voice) comes with the speech engines.
    std::optional<std::string> failure;
    try {
        machine.opendatafile();
        runstarted = true;
        machine.resetrun();
        options_.program(machine);
        machine.print(machine.getstring(25), 0);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    machine.closedatafile();
    setrunitems(true);
    running_ = false;
    // An error that ended the run is reported with the window usable again.
    if (failure) host_.showerror(QString::fromStdString(*failure));
}

void TForm1::saveramreporting() {
    try {
        machine.saveram();
    } catch (const std::exception& error) {
        // Reported, and the program still ends: a folder that cannot be
        // written must not keep the user from leaving.
        host_.showerror(QString::fromUtf8(error.what()));
    }
}

void TForm1::exitsubmenuClick() {
    saveramreporting();
    if (!running_) {
        close();  // FormClose saves once more and frees the sounds
        return;
    }
    // The run is not unwound: it ends where it waits.
    sounddev.free();
    host_.endProcess(0);
}

void TForm1::endsaving() {
    try {
        machine.saveram();
    } catch (const std::exception&) {
        // Nobody is left to read a message: the system is ending the program.
    }
    sounddev.free();
    host_.endProcess(0);
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm1::FormClose() {
    saveramreporting();
    sounddev.free();
    // Closed during a run: the run must not go on with the window gone and
    // the sounds freed.
    if (running_) host_.endProcess(0);
}

void TForm1::FormKeyDown(QKeyEvent* /*event*/) {
    // The key codes, Braille chords and cutting speech short come with the
    // keyboard handling. Any key ends a sound's wait at once.
    if (machine.soundplaying) {
        machine.TimerTimer();
        QtHost::wake();
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &printmemo && event->type() == QEvent::KeyPress) {
        FormKeyDown(static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);  // never consumes a key
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // Keys that the memo passed on upwards were seen by the filter already.
    if (focusWidget() != &printmemo) FormKeyDown(event);
    QMainWindow::keyPressEvent(event);
}

// The dialogs of these items come with their own work; until then the items
// carry their captions and shortcuts and do nothing.
void TForm1::soundssubmenuClick() {}
void TForm1::VoicesubmenuClick() {}
void TForm1::environmentsubmenuClick() {}
void TForm1::aboutsubmenuClick() {}

// Switching Braille keys and the system voice comes with the keyboard
// handling and the speech engines; until then the marks keep the settings.
void TForm1::braillekeyboarditemClick() {}
void TForm1::usesapi5submenuClick() {}

}  // namespace ulvora
