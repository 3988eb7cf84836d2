// SQLite's own interface, for what Qt SQL does not offer: reading rows without its per-value
// overhead, and whether a file was opened read-only.
#pragma once

#include <QSqlDatabase>
#include <sqlite3.h>

// The engine's functions the program calls, reached through the library the Qt driver loads. The
// program does not link that library itself: it would then be loaded while the process starts,
// before anything needs it, rather than with the driver on the start-up's helper thread.
#define PR_SQLITE_FUNCTIONS(X)                                                                      \
    X(bind_blob) X(bind_double) X(bind_int64) X(bind_null) X(bind_parameter_count) X(bind_text16)   \
    X(column_count) X(column_decltype16) X(column_name16) X(column_type) X(column_value)            \
    X(db_mutex) X(db_readonly) X(errmsg) X(finalize) X(mutex_enter) X(mutex_leave)                  \
    X(prepare16_v2) X(step) X(value_blob) X(value_bytes) X(value_double) X(value_int64)             \
    X(value_text) X(value_type)

struct TSqliteEngine {
#define PR_SQLITE_MEMBER(name) decltype(&::sqlite3_##name) name = nullptr;
    PR_SQLITE_FUNCTIONS(PR_SQLITE_MEMBER)
#undef PR_SQLITE_MEMBER
};

// The engine handle under a Qt connection; nullptr when the driver is not SQLite's, or when the
// engine's library cannot be reached, so that the caller goes through Qt SQL instead.
sqlite3* EngineHandle(const QSqlDatabase& database);

// The engine's functions, for a handle EngineHandle gave.
const TSqliteEngine& Sqlite();
