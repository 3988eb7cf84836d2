// Loading the departments of 部门管理 into a tree view, each department under its parent.
#pragma once

#include <QString>
#include <vector>

class TConnection;
class TTreeNode;
class TbsSkinCustomTreeView;

// A department as the tree loader reads it.
struct DepartmentRow {
    int ID;
    QString Name;
};

// The departments whose parent is parentID, in the engine's order, read by a query of their own on
// connection.
std::vector<DepartmentRow> ChildDepartments(TConnection* connection, int parentID);

// Adds the departments below parentID to tree under parentNode (the top level when nullptr), one
// query per department, each department's whole subtree before its next sibling; every node
// carries its TNodeData. A department already in the tree is not added again, so parent links that
// loop back end the load instead of repeating it; the depth of the tree is not limited by the stack.
// A failing query ends the load with the nodes added so far in place.
void LoadDepartments(TConnection* connection, TbsSkinCustomTreeView* tree, int parentID,
                     TTreeNode* parentNode);

// The node record of a tree node, or nullptr when the node carries none.
const struct TNodeData* NodeData(const TTreeNode* node);
