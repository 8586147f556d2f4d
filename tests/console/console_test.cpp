// The console front end as a person uses it: the real executable started in
// a folder holding the data files, answers on standard input.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

// A folder of its own holding a copy of the executable (so that its settings
// file is private to the test) and, unless told otherwise, data.dta.
class ConsoleFolder {
  public:
    explicit ConsoleFolder(bool withData = true)
        : folder_(fs::temp_directory_path() / ("ulvora-console-" + std::to_string(::getpid()) +
                                               "-" + std::to_string(count_++))) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::copy_file(fs::path(ULVORA_RUN_DIR) / "ulvora-console", folder_ / "ulvora-console");
        if (withData)
            fs::copy_file(fs::path(ULVORA_SOURCE_DIR) / "data/data.dta", folder_ / "data.dta");
    }
    ~ConsoleFolder() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    ConsoleFolder(const ConsoleFolder&) = delete;
    ConsoleFolder& operator=(const ConsoleFolder&) = delete;

    const fs::path& path() const { return folder_; }

    Outcome run(const std::string& input) const {
        std::ofstream(folder_ / "in.txt", std::ios::binary) << input;
        const std::string command =
            "cd '" + folder_.string() + "' && ./ulvora-console < in.txt > out.txt 2> err.txt";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(folder_ / "out.txt"),
                readFile(folder_ / "err.txt")};
    }

  private:
    static inline int count_ = 0;
    fs::path folder_;
};

TEST(Console, ANewUserSeesTheTitleAndTheInstructions) {
    ConsoleFolder folder;
    const Outcome first = folder.run("a\nPetře\n");
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.out.find("chceš instrukce? Napiš ano nebo ne\n"), std::string::npos)
        << first.out;
    EXPECT_NE(first.out.find("vlož své jméno v pátém pádě\n"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("Vítám tě ve hře, Petře"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("Hodně zdaru!\n"), std::string::npos) << first.out;
    EXPECT_EQ(first.out.find("hotovo"), std::string::npos) << "input ended before the program did";
    ASSERT_TRUE(fs::exists(folder.path() / "ram.dat")) << "the end of input saves the memory image";
    EXPECT_EQ(fs::file_size(folder.path() / "ram.dat"), 65536u);

    const Outcome second = folder.run("");
    EXPECT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.out, "Dneska už sis zahrál dost a \nhotovo\n");
}

TEST(Console, TakesItsLanguageFromItsOwnSettingsFile) {
    ConsoleFolder folder;
    std::ofstream(folder.path() / "ulvora-console.ini") << "[environment]\nlanguage=2000\n";
    folder.run("ne\n");
    const Outcome second = folder.run("");
    EXPECT_EQ(second.out, "Dneska už sis zahrál dost a \nready\n");
}

TEST(Console, AMissingDataFileIsReportedAndEndsWithoutSaving) {
    ConsoleFolder folder(false);
    const Outcome outcome = folder.run("");
    EXPECT_NE(outcome.exitCode, 0);
    EXPECT_EQ(outcome.err, "Nelze nalézt soubor data.dta\n");
    EXPECT_FALSE(fs::exists(folder.path() / "ram.dat"));
}

}  // namespace
