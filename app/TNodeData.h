// The record attached to each node of the department trees.
#pragma once

#include <QString>

struct TNodeData {
    // The bytes of the system code page a caption may take.
    static constexpr int CaptionBytes = 50;

    int ID = 0;
    // The department's name as the node shows it: cut to CaptionBytes bytes of the code page,
    // at a character boundary.
    QString Caption;
    QString Note;
    QString Password;
};

// The node record of department id named name.
TNodeData MakeNodeData(int id, const QString& name);
