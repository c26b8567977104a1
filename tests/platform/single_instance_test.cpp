// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: one first copy per settings directory, activation of the first copy by a later
// one, and locks left by copies that are gone.
#include "platform/process_events_until.h"
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zantaro::testing {
namespace {

class SingleInstanceTest : public ::testing::Test
{
protected:
    QTemporaryDir m_settings;
};

TEST_F(SingleInstanceTest, onlyTheFirstCopyOnADirectoryIsFirst)
{
    const SingleInstance first(m_settings.path());
    const SingleInstance second(m_settings.path());
    QTemporaryDir otherSettings;
    const SingleInstance elsewhere(otherSettings.path());
    EXPECT_TRUE(first.isFirst());
    EXPECT_FALSE(second.isFirst());
    EXPECT_TRUE(elsewhere.isFirst());
}

TEST_F(SingleInstanceTest, aLaterCopyBringsTheFirstCopyToTheFront)
{
    SingleInstance first(m_settings.path());
    int activations = 0;
    first.onActivationRequest([&] { ++activations; });
    const SingleInstance second(m_settings.path());
    ASSERT_FALSE(second.isFirst());
    EXPECT_TRUE(second.activateFirstCopy());
    EXPECT_TRUE(processEventsUntil([&] { return activations > 0; }));
    EXPECT_EQ(activations, 1);
}

TEST_F(SingleInstanceTest, aCopyStartedAfterTheFirstEndedIsFirst)
{
    {
        const SingleInstance first(m_settings.path());
        ASSERT_TRUE(first.isFirst());
    }
    const SingleInstance next(m_settings.path());
    EXPECT_TRUE(next.isFirst());
}

TEST_F(SingleInstanceTest, aLockLeftByACopyThatDiedDoesNotBlockTheNextStart)
{
    const pid_t gone = ::fork();
    ASSERT_NE(gone, -1);
    if (gone == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    QFile lock(QDir(m_settings.path()).filePath("Zantaro.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(gone) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();

    const SingleInstance next(m_settings.path());
    EXPECT_TRUE(next.isFirst());
}

TEST_F(SingleInstanceTest, whereNoLockCanBeKeptEveryCopyRuns)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    QFile::setPermissions(m_settings.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString unwritable = QDir(m_settings.path()).filePath("settings");
    const SingleInstance first(unwritable);
    const SingleInstance second(unwritable);
    QFile::setPermissions(m_settings.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(first.isFirst());
    EXPECT_TRUE(second.isFirst());
}

} // namespace
} // namespace zantaro::testing
