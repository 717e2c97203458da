#include "files/LockOwner.h"

#include "util/AnsiCodePage.h"

#include <QtGlobal>
#include <cerrno>
#include <climits>
#include <pwd.h>
#include <unistd.h>

namespace {

inline constexpr int kMaxOwnerNameLength = kLockRecordSize - 1;

OwnerName computerName()
{
    char buffer[HOST_NAME_MAX + 1] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0)
        return {{}, qt_error_string(errno)};
    return {QString::fromLocal8Bit(buffer), {}};
}

OwnerName userName()
{
    // getpwuid leaves errno alone when the user simply has no entry.
    errno = 0;
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name && *entry->pw_name)
        return {QString::fromLocal8Bit(entry->pw_name), {}};
    const int failure = errno != 0 ? errno : ENOENT;
    // Containers often run users the password database does not know.
    const QString fromEnvironment = qEnvironmentVariable("USER");
    if (!fromEnvironment.isEmpty())
        return {fromEnvironment, {}};
    return {{}, qt_error_string(failure)};
}

} // namespace

OwnerName systemOwnerName(int mode)
{
    switch (mode) {
    case kVerrouNomPC:
        return computerName();
    case kVerrouNomUtil:
        return userName();
    default:
        return {};
    }
}

QByteArray lockRecord(const QString& ownerName)
{
    const QByteArray name =
        AnsiCodePage::fromUnicode(ownerName.toUpper().left(kMaxOwnerNameLength)).left(kMaxOwnerNameLength);
    QByteArray record(kLockRecordSize, '\0');
    record[0] = static_cast<char>(name.size());
    record.replace(1, name.size(), name);
    return record;
}
