// The debug log in a fresh process, switched by what a user or a system may
// hold: QT_LOGGING_RULES, a file named by QT_LOGGING_CONF, and qtlogging.ini
// in the user's and in the system's configuration folders. Only the rule
// that names the category in QT_LOGGING_RULES lets a password's picks out.
#include "row_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// Whether `text` holds `line` as a whole line.
bool HasLine(const std::string& text, const std::string& line)
{
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

// Where a row puts its logging configuration file.
enum class ConfigFile { None, NamedByLoggingConf, UserFolder, SystemFolder };

struct EnvironmentCase {
    const char* name;
    const char* rules; // QT_LOGGING_RULES, or nullptr for none
    ConfigFile file;
    const char* fileRules; // the file's [Rules] section
    bool logged;
    friend void PrintTo(const EnvironmentCase& row, std::ostream* os) { *os << row.name; }
};

// The probe's run: its standard error and how it ended.
struct ProbeRun {
    bool finished = false;
    int exitCode = -1;
    std::string standardError;
};

class DebugLogEnvironmentTest : public ::testing::TestWithParam<EnvironmentCase> {
protected:
    void SetUp() override { ASSERT_TRUE(scratch_.isValid()); }

    // Writes `rules` as a logging configuration file at `path` under the
    // scratch folder; returns its full path.
    QString WriteConfigFile(const QString& path, const char* rules)
    {
        const QString fullPath = scratch_.filePath(path);
        QDir().mkpath(QFileInfo(fullPath).path());
        QFile file(fullPath);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[Rules]\n") + rules + "\n");
        return fullPath;
    }

    // The probe's environment: the test's own, without logging settings, with
    // configuration folders of its own; then the row's settings.
    QProcessEnvironment Environment(const EnvironmentCase& c)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_LOGGING_RULES"));
        environment.remove(QStringLiteral("QT_LOGGING_CONF"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch_.filePath(QStringLiteral("user")));
        environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), scratch_.filePath(QStringLiteral("system")));
        if (c.rules)
            environment.insert(QStringLiteral("QT_LOGGING_RULES"), QString::fromUtf8(c.rules));
        switch (c.file) {
        case ConfigFile::None:
            break;
        case ConfigFile::NamedByLoggingConf:
            environment.insert(
                QStringLiteral("QT_LOGGING_CONF"), WriteConfigFile(QStringLiteral("logging.ini"), c.fileRules));
            break;
        case ConfigFile::UserFolder:
            WriteConfigFile(QStringLiteral("user/QtProject/qtlogging.ini"), c.fileRules);
            break;
        case ConfigFile::SystemFolder:
            WriteConfigFile(QStringLiteral("system/QtProject/qtlogging.ini"), c.fileRules);
            break;
        }
        return environment;
    }

    ProbeRun RunProbe(const QProcessEnvironment& environment)
    {
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.setProcessChannelMode(QProcess::SeparateChannels);
        probe.start(QStringLiteral(PWGEN_DEBUG_LOG_PROBE), {});
        ProbeRun run;
        run.finished = probe.waitForFinished(30000);
        run.exitCode = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
        run.standardError = probe.readAllStandardError().toStdString();
        return run;
    }

private:
    QTemporaryDir scratch_;
};

TEST_P(DebugLogEnvironmentTest, OnlyTheRuleNamingTheCategoryLetsThePicksOut)
{
    const EnvironmentCase& c = GetParam();

    const ProbeRun run = RunProbe(Environment(c));

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.standardError;
    if (c.logged)
        EXPECT_TRUE(HasLine(run.standardError, "12picked")) << run.standardError;
    else
        EXPECT_EQ(run.standardError.find("picked"), std::string::npos) << run.standardError;
}

INSTANTIATE_TEST_SUITE_P(Settings, DebugLogEnvironmentTest,
    ::testing::Values(EnvironmentCase { "nothing", nullptr, ConfigFile::None, nullptr, false },
        EnvironmentCase { "explicitRule", "framework.debuglog.debug=true", ConfigFile::None, nullptr, true },
        EnvironmentCase { "everyDebugMessage", "*.debug=true", ConfigFile::None, nullptr, false },
        EnvironmentCase { "everythingOfTheFramework", "framework.*=true", ConfigFile::None, nullptr, false },
        EnvironmentCase { "categoryWithoutLevel", "framework.debuglog=true", ConfigFile::None, nullptr, false },
        EnvironmentCase { "explicitRuleThenOff", "framework.debuglog.debug=true;framework.debuglog.debug=false",
            ConfigFile::None, nullptr, false },
        EnvironmentCase { "loggingConfFile", nullptr, ConfigFile::NamedByLoggingConf, "*.debug=true", false },
        EnvironmentCase { "userConfigFile", nullptr, ConfigFile::UserFolder, "*.debug=true", false },
        EnvironmentCase { "systemConfigFile", nullptr, ConfigFile::SystemFolder, "*.debug=true", false },
        EnvironmentCase {
            "userConfigFileNamingIt", nullptr, ConfigFile::UserFolder, "framework.debuglog.debug=true", false },
        EnvironmentCase { "explicitRuleOverConfigFileOff", "framework.debuglog.debug=true", ConfigFile::UserFolder,
            "framework.debuglog.debug=false", true }),
    RowName);

} // namespace
