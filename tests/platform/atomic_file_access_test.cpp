// SPDX-License-Identifier: GPL-3.0-or-later
// AtomicFileAccess on real files: whole replacement, missing directories, refusals and the size limit.
#include "platform/atomic_file_access.h"
#include "support/named_cases.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace zantaro {
namespace {

class AtomicFileAccessTest : public ::testing::Test
{
protected:
    std::string pathOf(const QString& relative) const { return m_directory.filePath(relative).toStdString(); }

    static void writeDirectly(const std::string& path, const std::string& text)
    {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
    }

    QTemporaryDir m_directory;
    AtomicFileAccess files;
};

TEST_F(AtomicFileAccessTest, replaceWritesExactlyTheTextGiven)
{
    const std::string path = pathOf("Zantaro.ini");
    writeDirectly(path, std::string(5000, 'o'));
    const std::string text("[A]\r\nk=v\n\xFF\xC3\xA9\0end", 17);
    ASSERT_TRUE(files.replace(path, text));
    EXPECT_EQ(files.read(path), text);
    EXPECT_EQ(QDir(m_directory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"Zantaro.ini"});
}

TEST_F(AtomicFileAccessTest, replaceCreatesMissingDirectories)
{
    const std::string path = pathOf("share/zantaro/saves/Zantaro.ini");
    ASSERT_TRUE(files.replace(path, "[A]\n"));
    EXPECT_EQ(files.read(path), "[A]\n");
}

TEST_F(AtomicFileAccessTest, aPathBelowARegularFileFailsAndLeavesThatFileAlone)
{
    const std::string blocker = pathOf("blocker");
    writeDirectly(blocker, "keep");
    EXPECT_FALSE(files.replace(blocker + "/Zantaro.ini", "[A]\n"));
    EXPECT_FALSE(files.replace(blocker + "/deeper/Zantaro.ini", "[A]\n"));
    EXPECT_EQ(files.read(blocker), "keep");
}

TEST_F(AtomicFileAccessTest, aReadOnlyDirectoryFailsAndKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    const std::string path = pathOf("locked/Zantaro.ini");
    ASSERT_TRUE(files.replace(path, "old"));
    QFile::setPermissions(m_directory.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(files.replace(path, "new"));
    QFile::setPermissions(m_directory.filePath("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(files.read(path), "old");
}

TEST_F(AtomicFileAccessTest, aMissingFileOrADirectoryReadsAsNothing)
{
    EXPECT_EQ(files.read(pathOf("missing.ini")), std::nullopt);
    EXPECT_EQ(files.read(m_directory.path().toStdString()), std::nullopt);
}

TEST_F(AtomicFileAccessTest, aDirectoryInTheWayIsNotReplaced)
{
    ASSERT_TRUE(QDir(m_directory.path()).mkdir("Zantaro.ini"));
    EXPECT_FALSE(files.replace(pathOf("Zantaro.ini"), "[A]\n"));
    EXPECT_TRUE(QFileInfo(m_directory.filePath("Zantaro.ini")).isDir());
}

struct SizeCase : testing::NamedCase
{
    std::int64_t size;
    bool ours;
};

class SizeLimitTest : public AtomicFileAccessTest, public ::testing::WithParamInterface<SizeCase>
{
};

TEST_P(SizeLimitTest, aFileUpToTheLimitIsReadAndReplacedOneByteMoreIsLeftAlone)
{
    const std::string path = pathOf("Zantaro.ini");
    std::string text(static_cast<std::size_t>(GetParam().size), 'o');
    text.back() = '!';
    writeDirectly(path, text);

    const std::optional<std::string> read = files.read(path);
    EXPECT_EQ(read.has_value(), GetParam().ours);
    if (read) {
        EXPECT_TRUE(*read == text) << "read " << read->size() << " bytes";
    }
    EXPECT_EQ(files.replace(path, "[A]\n"), GetParam().ours);
    EXPECT_EQ(QFileInfo(QString::fromStdString(path)).size(), GetParam().ours ? 4 : GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SizeLimitTest,
    ::testing::Values(SizeCase{{"exactlyTheLimit"}, AtomicFileAccess::MaxFileSize, true},
                      SizeCase{{"oneByteOverTheLimit"}, AtomicFileAccess::MaxFileSize + 1, false}),
    testing::caseName);

} // namespace
} // namespace zantaro
