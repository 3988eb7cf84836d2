// What every test source includes besides the project's Qt headers.
#pragma once
#ifdef __cplusplus
#include "QtCommon.h"
#include <QTest>
#include <gtest/gtest.h>
#endif
