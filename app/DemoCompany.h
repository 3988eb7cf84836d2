// A believable company to fill a new personnel database with.
#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <random>

class TConnection;

// Generates a department tree three levels deep, people with Chinese names and every basic column
// filled, the dependent records of each person, and a few to-do items. The same seed gives the
// same company. Keys are the ones new tables hand out, 1, 2, 3 ... in insert order, so Fill
// expects empty tables.
class DemoCompany
{
  public:
    explicit DemoCompany(quint32 seed = 20240630);

    void Fill(TConnection& connection, int people);

    // How many departments Fill inserts.
    static int DepartmentCount();

  private:
    struct Person;
    class RowInserter;
    struct Inserters;

    int Between(int low, int high);
    bool Chance(int percent);
    template <std::size_t N> QString Pick(const char* const (&choices)[N]);
    QDate DateBetween(const QDate& first, const QDate& last);
    QString GivenName(bool male);
    QString Phone();

    Person MakePerson(int id);
    int Seniority(const Person& p);
    void AddPerson(RowInserter& table, const Person& p);
    void AddWorkHistory(RowInserter& table, const Person& p);
    void AddFamily(RowInserter& table, const Person& p);
    void AddMerits(RowInserter& table, const Person& p);
    void AddTraining(RowInserter& table, const Person& p);

    std::mt19937 FRandom;
};
