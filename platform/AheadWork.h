// Work the program's start does on a second thread while its main thread goes on: reading the
// font configuration, listing the installed fonts, opening the database.
#pragma once

#include <functional>

// Queues a job for the helper thread. Jobs run one after another in the order they were queued;
// the thread starts with the first and ends whenever the queue is empty, to start again with the
// next job. A job queued while the application object exists is finished before that object
// ends; one queued before it exists must leave Qt's objects alone, since Qt takes the thread that
// makes its first object for its main thread. A job that throws is dropped.
void RunAhead(std::function<void()> job);

// Waits until every job queued so far has run. The end of the process waits in any case.
void FinishAheadWork();
