// The interface's string table: ids base + n, n = 0..46, for Czech (1000),
// English (2000) and Slovak (3000). Row n holds string n of each language.
#include "l10n/strings.h"

#include <array>
#include <string_view>

#include "l10n/cp1250.h"

namespace ulvora {
namespace {

struct Row {
    std::string_view czech;
    std::string_view english;
    std::string_view slovak;
};

// clang-format off
constexpr std::array<Row, 47> kStrings = {{
    /*  0 */ {"Čeština", "English", "Slovenčina"},
    /*  1 */ {"Překladač Ulvora Basicu", "Ulvora Basic Interpreter", "Prekladač Ulvora Basicu"},
    /*  2 */ {"&Program", "&Program", "&Program"},
    /*  3 */ {"&Spustit", "&Start", "&Spustiť"},
    /*  4 */ {"Na&stavení", "&Settings", "Na&stavenia"},
    /*  5 */ {"Prostř&edí", "&Environment", "Prostr&edie"},
    /*  6 */ {"Provedené změny se projeví až poté, co znovu spustíte program.", "Your changes will be applied after you restart the program.", "Vykonané zmeny sa prejavia až po najbližšom spustení programu."},
    /*  7 */ {"&Ok", "&OK", "&Ok"},
    /*  8 */ {"Zrušit", "Cancel", "Zrušiť"},
    /*  9 */ {"&jazyk", "&Language", "&jazyk"},
    /* 10 */ {"Nastavení prostředí", "environment settings", "Nastavenie prostredia"},
    /* 11 */ {"Nastavení hlasu", "Voice settings", "Nastavenie hlasu"},
    /* 12 */ {"&Hlasy", "&Voices", "&Hlasy"},
    /* 13 */ {"&Výška", "&Pitch", "&Výška"},
    /* 14 */ {"&Rychlost", "&Speed", "&Rýchlosť"},
    /* 15 */ {"Hla&sitost", "Vo&lume", "Hla&sitosť"},
    /* 16 */ {"Zvolit hl&as", "&Choose voice", "Zvoliť hl&as"},
    /* 17 */ {"Za&vřít", "&Close", "Za&vrieť"},
    /* 18 */ {"Používání hlasu není povoleno. Povolit jej můžete v menu Nastavení/Zvuky.", "The voice is turned off. You can turn it on in the Sounds dialog, menu Settings", "Používanie hlasu nie je povolené. Povoliť ho môžete v menu Nastavenia/Zvuky."},
    /* 19 */ {"Hlas vybrán.", "Voice selected.", "Hlas vybratý."},
    /* 20 */ {"&Zvuky", "&Sounds", "&Zvuky"},
    /* 21 */ {"Nastavení zvuků", "Sounds settings", "Nastavenie zvukov"},
    /* 22 */ {"Povolit &hlas", "Use the &voice", "Povoliť &hlas"},
    /* 23 */ {"Vlož data", "Enter data", "Vlož data"},
    /* 24 */ {"czech", "english", "slovak"},
    /* 25 */ {"hotovo", "ready", "hotovo"},
    /* 26 */ {"Obrazovka", "Screen", "Obrazovka"},
    /* 27 */ {"Používat hlas SA&PI5", "Use SA&PI5 voice", "Používať hlas SA&PI5"},
    /* 28 */ {"H&lasitost zvuků", "Sound vo&lume", "H&lasitosť zvukov"},
    /* 29 */ {"prázdný řádek", "empty line", "prázdny riadok"},
    /* 30 */ {"konec obrazovky", "end of screen", "koniec obrazovky"},
    /* 31 */ {"řádek", "line", "riadok"},
    /* 32 */ {"sloupec", "column", "stĺpec"},
    /* 33 */ {"Kon&ec", "&Exit", "Koni&ec"},
    /* 34 */ {"Ná&pověda", "Hel&p", "&Pomoc"},
    /* 35 */ {"O progr&amu", "&About", "O progr&ame"},
    /* 36 */ {"O programu", "About", "O programe"},
    /* 37 */ {"verze", "version", "verzia"},
    /* 38 */ {"&Hlas", "&Voice", "&Hlas"},
    /* 39 */ {"Zvuky &Ulvory", "&Ulvora sounds", "Zvuky &Ulvory"},
    /* 40 */ {"Nelze povolit hlas. Žádné hlasy nejsou k dispozici.", "Can't allow voice, no voices are available", "Nie je možné povoliť hlas. Žiadne hlasy nie sú k dispozícii."},
    /* 41 */ {"Obrazovka je plná.", "The screen is full.", "Obrazovka je plná."},
    /* 42 */ {"Nelze nalézt soubor", "Can't find the file", "Nie je možné nájsť súbor"},
    /* 43 */ {"Nelze nalézt hlas uvedený v ini souboru:", "Can't find the voice specified in the ini file:", "Nie je možné nájsť hlas, uvedený v ini súbore:"},
    /* 44 */ {"Prosím přepiš", "Please retype", "Prosím prepíš"},
    /* 45 */ {"U&končit program", "E&xit program", "U&končiť program"},
    /* 46 */ {"&Braillská klávesnice", "&Braille keyboard", "&Braillská klávesnica"},
}};
// clang-format on

constexpr int kLanguages = 3;

}  // namespace

std::string TResourceLocalizer::getstring(int base, int n) {
    if (base % 1000 != 0 || n < 0 || n >= static_cast<int>(kStrings.size())) return {};
    const int language = base / 1000;
    if (language < 1 || language > kLanguages) return {};
    const Row& row = kStrings[static_cast<std::size_t>(n)];
    const std::string_view utf8 = language == 1   ? row.czech
                                  : language == 2 ? row.english
                                                  : row.slovak;
    return fromUtf8(utf8);
}

std::vector<Language> TResourceLocalizer::getlanguages() {
    std::vector<Language> list;
    for (int base = 1000;; base += 1000) {
        std::string name = getstring(base, 0);
        if (name.empty()) break;
        list.push_back({std::move(name), base});
    }
    return list;
}

}  // namespace ulvora
