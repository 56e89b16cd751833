#include "model/InstallPath.h"
#include "model/Settings.h"
#include "support/RowName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

namespace fs = std::filesystem;

// Sets (or, with nullopt, removes) an environment variable for one test and
// puts the old value back afterwards.
class CScopedEnv {
public:
    CScopedEnv(const char* name, const std::optional<std::string>& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~CScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// --- the user's data folder ---------------------------------------------------------

struct UserDirRow {
    const char* name;
    std::optional<std::string> dataHome;
    std::optional<std::string> home;
    std::string expected;
};

class UserDataFolder : public testing::TestWithParam<UserDirRow> {};

TEST_P(UserDataFolder, FollowsTheXdgRules)
{
    const CScopedEnv dataHome("XDG_DATA_HOME", GetParam().dataHome);
    const CScopedEnv home("HOME", GetParam().home);
    EXPECT_EQ(UserDataDir().string(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, UserDataFolder,
    testing::Values(UserDirRow{"DataHomeSet", "/data/me", "/home/me", "/data/me/kestrane"},
                    UserDirRow{"DataHomeUnset", std::nullopt, "/home/me", "/home/me/.local/share/kestrane"},
                    UserDirRow{"DataHomeEmpty", "", "/home/me", "/home/me/.local/share/kestrane"},
                    UserDirRow{"DataHomeRelativeIsIgnored", "data", "/home/me", "/home/me/.local/share/kestrane"},
                    UserDirRow{"NeitherSet", std::nullopt, std::nullopt, ""}),
    RowName());

// --- maps found in the installation or the user's folder --------------------------------

class UserMaps : public testing::Test {
protected:
    CTempDir m_install;
    CTempDir m_user;
    CScopedEnv m_dataHome{"XDG_DATA_HOME", m_user.Str()};
};

TEST_F(UserMaps, InstallationFirstThenTheUsersOwnFolder)
{
    m_install.Write("Maps/Standard.map", "installed");
    m_user.Write("kestrane/Maps/Standard.map", "user's copy");
    m_user.Write("kestrane/Maps/Islands.map", "user's own");
    m_user.Write("kestrane/Maps/ISLANDS.BMP", "picture");

    struct Row {
        std::string path;
        std::optional<fs::path> expected;
    };
    const Row rows[] = {
        {"Maps\\Standard.map", m_install.Path() / "Maps/Standard.map"},
        {"Maps\\Islands.map", m_user.Path() / "kestrane/Maps/Islands.map"},
        {"MAPS\\islands.bmp", m_user.Path() / "kestrane/Maps/ISLANDS.BMP"},
        {"Maps\\Nowhere.map", std::nullopt},
        // An absolute path is the file it names, never one in another folder.
        {(m_install.Path() / "Maps/Islands.map").string(), std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ResolveInstallPath(m_install.Str(), row.path), row.expected) << row.path;
}

TEST_F(UserMaps, MissingUserFolderChangesNothing)
{
    m_install.Write("Maps/Standard.map", "installed");
    const CScopedEnv elsewhere("XDG_DATA_HOME", (m_user.Path() / "absent").string());
    EXPECT_EQ(ResolveInstallPath(m_install.Str(), "Maps\\Standard.map"), m_install.Path() / "Maps/Standard.map");
    EXPECT_EQ(ResolveInstallPath(m_install.Str(), "Maps\\Islands.map"), std::nullopt);
    EXPECT_EQ(InstallPathOrJoin(m_install.Str(), "Maps\\Islands.map"), m_install.Path() / "Maps/Islands.map");
}

// --- the installed data, wherever the installation is --------------------------------------

TEST(InstalledData, FoundBesideTheProgramsFolder)
{
    CTempDir prefix;
    prefix.Write("bin/kestrane", "");
    prefix.Write("share/kestrane/Maps/Standard.map", "");
    EXPECT_EQ(fs::path(InstalledDataDir((prefix.Path() / "bin").string())), prefix.Path() / "share/kestrane");
}

TEST(InstalledData, ProgramsWithoutDataBesideThemUseTheConfiguredFolder)
{
    CTempDir prefix;
    prefix.Write("bin/kestrane", "");
    // No Maps below share/kestrane: not an installation to take data from.
    prefix.Write("share/kestrane/samples/a.txt", "");
    const std::string found = InstalledDataDir((prefix.Path() / "bin").string());
    EXPECT_EQ(found, InstalledDataDir(std::string()));
    EXPECT_EQ(found.find(prefix.Str()), std::string::npos) << found;
}

} // namespace
