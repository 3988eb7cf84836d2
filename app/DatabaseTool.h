// The command line of the database tool: which file to create, how full, and what it reports.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace DatabaseTool
{

// People in the demo company of --demo.
constexpr int DemoPeople = 300;

// Runs "mkdb [--demo | --people N] [file]": creates file (db.mdb by default) and reports its name,
// the operator account and its password on out. Answers the exit status: 0 when created, 1 when
// the file exists or cannot be made (one line on err), 2 for arguments it does not understand.
int Run(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace DatabaseTool
