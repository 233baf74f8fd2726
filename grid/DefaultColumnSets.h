#pragma once
// The program's five built-in column sets, which every new options file starts from:
// 0 transactions, 1 main accounts, 2 sub accounts, 3 groups, 4 categories.
#include "GridInfo.h"

constexpr int ColumnSetCount = 5;

// Number of columns the program defines for a set (0 for a set number outside 0..4).
int DefaultColumnCount(int set);
// Replaces the columns with the built-in columns of the set (empty for an unknown set).
void LoadDefaultColumns(int set, TColumns& columns);
// The built-in columns plus the set's sort code, ascending, scrolled to the top.
void LoadDefaultGridInfo(int set, TGridInfo& info);
