// Reading the database tool's arguments and reporting what it made.
#include "DatabaseTool.h"

#include "Exception.h"
#include "PersonnelSchema.h"

namespace DatabaseTool
{

namespace
{

int Usage(QTextStream& err)
{
    err << "usage: mkdb [--demo | --people N] [file]\n"
           "  Creates file (default db.mdb) with the eight tables and one operator account.\n"
           "  --demo      also fill it with a demo company of "
        << DemoPeople
        << " people\n"
           "  --people N  also fill it with a company of N people (for benchmarks)\n"
           "  An existing file is never overwritten.\n";
    return 2;
}

} // namespace

int Run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    int people = 0;
    QString path = QStringLiteral("db.mdb");
    bool pathGiven = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--demo") {
            people = DemoPeople;
        } else if (args[i] == u"--people" && i + 1 < args.size()) {
            bool ok = false;
            people = args[++i].toInt(&ok);
            if (!ok || people < 1)
                return Usage(err);
        } else if (args[i].startsWith(u'-') || pathGiven) {
            return Usage(err);
        } else {
            path = args[i];
            pathGiven = true;
        }
    }
    try {
        const OperatorAccount account = PersonnelSchema::CreateDatabase(path, people);
        out << path << ": new personnel database";
        if (people > 0)
            out << " with a company of " << people << " people";
        out << "\noperator account: " << account.Name << "\npassword: " << account.Password << "\n";
        return 0;
    } catch (const Exception& e) {
        err << "mkdb: " << e.Message() << "\n";
        return 1;
    }
}

} // namespace DatabaseTool
