#pragma once

#include "core/platform/platform.h"

#include <QList>
#include <QMap>
#include <QStringList>

namespace Woord::Test {

// A settings store in memory that records every write in order.
class MemorySettingsStore final : public SettingsStore
{
public:
    QString read(const QString &key, const QString &defaultValue) override;
    void write(const QString &key, const QString &value) override;
    bool commit() override;

    QMap<QString, QString> stored; // what a commit made durable
    QMap<QString, QString> pending; // written, not yet committed
    QStringList writeOrder;
    int commits = 0;
    bool failCommit = false;
};

// The platform for tests: records what the program asked of it and answers
// with the facts a test set.
class FakePlatform final : public Platform
{
public:
    SettingsStore &settings() override { return store; }
    ProcessFacts processFacts() override
    {
        ++factsReads;
        return facts;
    }
    void showMessage(const Message &message) override { messages.append(message); }
    bool openWithShell(const QString &target) override;
    void beep() override { ++beeps; }
    void setWaitCursor(bool on) override { waitCursorChanges.append(on); }
    QTime timeOfDay() override { return time; }
    bool claimSingleInstance() override { return !otherInstanceRunning; }
    bool placesWindows() override { return windowsPlaced; }

    MemorySettingsStore store;
    ProcessFacts facts{
        QStringLiteral("/opt/woordorakelaar"), QStringLiteral("woordorakelaar"), 1, 0, 4, QStringLiteral("WLK-Velde")};
    QTime time{12, 0};
    bool otherInstanceRunning = false;
    bool windowsPlaced = true;
    bool failOpen = false; // the shell cannot open what it is given

    QList<Message> messages;
    QStringList opened;
    QList<bool> waitCursorChanges;
    int beeps = 0;
    int factsReads = 0;
};

} // namespace Woord::Test
