// A statement as the layer's users write it, and as the engine is given it.
#pragma once

#include <QString>
#include <QStringList>

// Parses statement text once: every ":Name" placeholder outside quotes and comments becomes a
// positional "?" for the engine, so parameter values are always bound and never spliced into the
// text. A name is a run of letters, digits and "_" (CJK letters included); "::" is not a
// placeholder. It also recognises the one shape of statement whose rows can be written back:
// "select * from <table>", optionally followed by a where or order by clause.
class SqlStatement
{
  public:
    explicit SqlStatement(const QString& text = QString());

    const QString& Text() const { return FText; }
    const QString& EngineText() const { return FEngineText; }
    // Placeholder names in the order they occur; a name used twice occurs twice.
    const QStringList& Placeholders() const { return FPlaceholders; }
    // Distinct placeholder names in the order of their first occurrence (case ignored).
    QStringList ParameterNames() const;
    // The table whose rows the statement lists, when it is a plain "select * from <table>"; else
    // empty.
    const QString& UpdatableTable() const { return FTable; }

  private:
    void Parse();
    void FindUpdatableTable();

    QString FText;
    QString FEngineText;
    QStringList FPlaceholders;
    QString FTable;
};
