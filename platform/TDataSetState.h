// The states of a data set and the events it sends to its data sources and their links.
#pragma once

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// True for the states in which the current row holds changes that are not yet in the file.
inline bool IsEditState(TDataSetState state)
{
    return state == dsEdit || state == dsInsert;
}

// What a data set tells its data sources, which pass it on to every link.
enum class TDataEvent {
    FieldChange,   // one field of the current row got a new value
    RecordChange,  // the current row as a whole changed (entered edit state, reset)
    DataSetChange, // rows were replaced, added or removed
    DataSetScroll, // another row became current
    LayoutChange,  // the fields changed
    UpdateRecord,  // links write their pending values into the fields now
    UpdateState    // the data set opened, closed, or entered or left edit state
};
