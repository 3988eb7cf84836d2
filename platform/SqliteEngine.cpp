// Finding SQLite's functions in the library the Qt driver loaded.
#include "SqliteEngine.h"

#include <QSqlDriver>
#include <dlfcn.h>
#include <optional>

namespace {

// The library's name as the dynamic loader knows it, the same one the driver is linked against.
constexpr char LibraryName[] = "libsqlite3.so.0";

std::optional<TSqliteEngine> LoadEngine()
{
    // Loaded already with the driver, as a rule; kept loaded for the rest of the run.
    void* library = dlopen(LibraryName, RTLD_LAZY | RTLD_LOCAL);
    if (!library)
        return std::nullopt;
    TSqliteEngine engine;
    bool complete = true;
#define PR_SQLITE_RESOLVE(name)                                                                    \
    engine.name = reinterpret_cast<decltype(engine.name)>(dlsym(library, "sqlite3_" #name));       \
    complete = complete && engine.name;
    PR_SQLITE_FUNCTIONS(PR_SQLITE_RESOLVE)
#undef PR_SQLITE_RESOLVE
    if (!complete)
        return std::nullopt;
    return engine;
}

const std::optional<TSqliteEngine>& Engine()
{
    static const std::optional<TSqliteEngine> engine = LoadEngine();
    return engine;
}

} // namespace

sqlite3* EngineHandle(const QSqlDatabase& database)
{
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0 || !Engine())
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

const TSqliteEngine& Sqlite()
{
    return *Engine();
}
