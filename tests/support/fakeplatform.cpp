#include "tests/support/fakeplatform.h"

namespace Woord::Test {

QString MemorySettingsStore::read(const QString &key, const QString &defaultValue)
{
    return stored.value(key, defaultValue);
}

void MemorySettingsStore::write(const QString &key, const QString &value)
{
    pending.insert(key, value);
    writeOrder.append(key);
}

bool MemorySettingsStore::commit()
{
    ++commits;
    if (failCommit)
        return false;
    stored.insert(pending);
    pending.clear();
    return true;
}

bool FakePlatform::openWithShell(const QString &target)
{
    opened.append(target);
    return !failOpen;
}

} // namespace Woord::Test
