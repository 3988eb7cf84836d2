// What is wrong with the database file, said in one plain line, and whether it can be written.
#pragma once

#include <QString>
#include <exception>

class TConnection;

// One plain line on why the connection's database could not be used: the file is missing, is a
// folder or is empty, or else the first line of the error's own text (a missing table or column,
// a lock). Meant for the line below "连接数据库出错!".
QString DatabaseFailureCause(const TConnection& connection, const std::exception& error);

// Whether changes to the connection's database cannot be saved: the engine opened the file
// read-only (a read-only medium, no write permission), or the file's mode allows nobody to write
// it. False while the connection is closed.
bool DatabaseIsReadOnly(const TConnection& connection);
