// The program started as a whole process, as an operator starts it: what runs before its
// application object exists (the font configuration's thread) must leave Qt's threads alone.
#include "DatabaseTool.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

TEST(ProgramProcess, StartsPaintsTheLoginWindowAndQuitsCleanly)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    ASSERT_EQ(DatabaseTool::Run({QStringLiteral("--demo"), work.filePath(QStringLiteral("db.mdb"))}, outStream,
                                errStream),
              0)
        << err.toStdString();

    for (const QStringList& skin : {QStringList(), QStringList{QStringLiteral("--palette"), QStringLiteral("dark")}}) {
        QProcess program;
        program.setWorkingDirectory(work.path());
        program.start(QStringLiteral(PR_PROGRAM), QStringList{QStringLiteral("--quit-after-first-paint")} + skin);
        ASSERT_TRUE(program.waitForFinished(60000)) << "the program did not quit after its first paint";
        const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(program.readAllStandardError());
        SCOPED_TRACE(skin.join(QLatin1Char(' ')).toStdString() + "\n" + stdErr.toStdString());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_TRUE(stdOut.startsWith(QStringLiteral("first paint "))) << stdOut.toStdString();
        // Qt says so when a thread other than main's made the first of its objects; sanitizers
        // report on the error stream too.
        EXPECT_FALSE(stdErr.contains(QStringLiteral("WARNING")));
        EXPECT_FALSE(stdErr.contains(QStringLiteral("Sanitizer")));
        EXPECT_FALSE(stdErr.contains(QStringLiteral("runtime error")));
    }
}
