// The data set layer in one include: connection, query, fields, data sources and data links.
#pragma once

#include "EDatabaseError.h"
#include "TConnection.h"
#include "TDataLink.h"
#include "TDataSetState.h"
#include "TDataSource.h"
#include "TField.h"
#include "TFieldDataLink.h"
#include "TParameter.h"
#include "TQuery.h"
