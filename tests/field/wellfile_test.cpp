// The files an import takes: a folder stands for the files directly in it, hidden ones
// and those of folders below left out, in the order of their names; a file named itself.
#include "field/wellfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class ImportPaths : public ::testing::Test
{
protected:
    ImportPaths()
    {
        dir = fs::temp_directory_path() / ("dravon-importpaths-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "Bohrungen" / "alt");
    }
    ~ImportPaths() override { fs::remove_all(dir); }

    std::string touch(const fs::path &relative)
    {
        const fs::path at = dir / relative;
        std::ofstream(at) << "0;0;0\n";
        return at.string();
    }

    fs::path dir;
};

TEST_F(ImportPaths, AFolderGivesItsVisibleFilesInTheOrderOfTheirNames)
{
    const std::string c = touch("Bohrungen/c.csv");
    const std::string a = touch("Bohrungen/a.las");
    const std::string b = touch("Bohrungen/B.xlsx");
    touch("Bohrungen/.versteckt.csv");
    touch("Bohrungen/alt/d.csv");
    const std::string single = touch("einzeln.dvn");

    const std::vector<std::string> paths
        = field::importPaths({ single, (dir / "Bohrungen").string() });
    // "B" before "a": the names' bytes decide, as the batch tool lists them.
    const std::vector<std::string> expected = { single, b, a, c };
    EXPECT_EQ(paths, expected);
    // A folder with nothing to read gives nothing, not itself.
    fs::create_directories(dir / "leer");
    EXPECT_TRUE(field::importPaths({ (dir / "leer").string() }).empty());
}

} // namespace
