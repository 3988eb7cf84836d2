// The type names of [SKINOBJECTS] and [SKINCONTROLS] entries and the record classes they create.
#pragma once

#include "bsDataSkinFurtherControls.h"
#include "bsDataSkinObjects.h"

#include <memory>

// The record of the class a type name selects (names compare exactly), named AIDName; nullptr for
// a type name outside the table.
std::unique_ptr<TbsDataSkinObject> CreateSkinObject(const QString& AType, const QString& AIDName);
std::unique_ptr<TbsDataSkinControl> CreateSkinControl(const QString& AType, const QString& AIDName);

// The type name an entry of the record's class is written with; empty for a class no type creates.
QString SkinObjectTypeName(const TbsDataSkinObject& ARecord);
QString SkinControlTypeName(const TbsDataSkinControl& ARecord);
