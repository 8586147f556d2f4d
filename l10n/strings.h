// Localised strings of the interface and the list of languages.
#pragma once

#include <string>
#include <vector>

namespace ulvora {

struct Language {
    std::string name;  // the language's own name (string 0), Windows-1250
    int base;          // its languagebase: 1000 Czech, 2000 English, 3000 Slovak
};

class TResourceLocalizer {
  public:
    // The text with id base + n, Windows-1250; empty when there is none.
    static std::string getstring(int base, int n);
    // Every language, probing bases 1000, 2000, ... until one has no name.
    static std::vector<Language> getlanguages();
};

}  // namespace ulvora
