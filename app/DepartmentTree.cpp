// The department tree loader.
#include "DepartmentTree.h"

#include "DataAccess.h"
#include "TNodeData.h"
#include "bsSkinTreeView.h"

#include <QSet>

std::vector<DepartmentRow> ChildDepartments(TConnection* connection, int parentID)
{
    TQuery query;
    query.Connection = connection;
    query.SetSQL(QStringLiteral("SELECT * FROM 部门管理 WHERE 上级部门=:上级部门"));
    query.ParamByName(QStringLiteral("上级部门"))->Value = parentID;
    query.Open();
    std::vector<DepartmentRow> rows;
    rows.reserve(std::size_t(query.RecordCount()));
    const TField* id = query.FieldByName(QStringLiteral("ID"));
    const TField* name = query.FieldByName(QStringLiteral("部门名"));
    for (query.First(); !query.Eof(); query.Next())
        rows.push_back({id->AsInteger(), name->AsString()});
    return rows;
}

const TNodeData* NodeData(const TTreeNode* node)
{
    return node ? std::any_cast<TNodeData>(&node->Data) : nullptr;
}

void LoadDepartments(TConnection* connection, TbsSkinCustomTreeView* tree, int parentID,
                     TTreeNode* parentNode)
{
    QSet<int> placed;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (const TNodeData* data = NodeData(static_cast<TTreeNode*>(*it)))
            placed.insert(data->ID);
    // Depth first with a stack of its own; each level keeps the rows of its department's children
    // and where it stands among them.
    struct Level {
        TTreeNode* Node;
        std::vector<DepartmentRow> Rows;
        std::size_t Next = 0;
    };
    std::vector<Level> levels;
    levels.push_back({parentNode, ChildDepartments(connection, parentID)});
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.Next == level.Rows.size()) {
            levels.pop_back();
            continue;
        }
        const DepartmentRow row = level.Rows[level.Next++];
        if (placed.contains(row.ID))
            continue;
        placed.insert(row.ID);
        const TNodeData data = MakeNodeData(row.ID, row.Name);
        TTreeNode* node = tree->Items().AddChildObject(level.Node, data.Caption, data);
        levels.push_back({node, ChildDepartments(connection, row.ID)});
    }
}
