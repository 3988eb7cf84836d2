// Telling the operator what is wrong with db.mdb instead of only that something is.
#include "DatabaseFileState.h"

#include "Exception.h"
#include "SqliteEngine.h"
#include "TConnection.h"

#include <QFileInfo>

namespace {

QString FirstLine(const QString& text)
{
    return text.section(u'\n', 0, 0).trimmed();
}

QString ErrorText(const std::exception& error)
{
    if (auto* own = dynamic_cast<const Exception*>(&error))
        return own->Message();
    return QString::fromLocal8Bit(error.what());
}

} // namespace

QString DatabaseFailureCause(const TConnection& connection, const std::exception& error)
{
    const QString path = connection.DatabasePath();
    if (!path.isEmpty()) {
        const QFileInfo file(path);
        if (file.isDir())
            return QStringLiteral("“%1”是一个文件夹，不是数据库文件").arg(path);
        if (!file.exists())
            return QStringLiteral("找不到数据库文件“%1”").arg(path);
        if (file.size() == 0)
            return QStringLiteral("数据库文件“%1”是空的，里面没有任何表").arg(path);
    }
    return FirstLine(ErrorText(error));
}

bool DatabaseIsReadOnly(const TConnection& connection)
{
    if (!connection.Connected())
        return false;
    const QFileInfo file(connection.DatabasePath());
    constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!file.isWritable() || !(file.permissions() & anyWrite))
        return true;
    // The engine opens a file it cannot write read-only without saying so.
    if (sqlite3* engine = EngineHandle(connection.Database()))
        return Sqlite().db_readonly(engine, "main") == 1;
    return false;
}
