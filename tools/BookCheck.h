#pragma once
// Consistency checks of a loaded book (qbtool check): every number refers to a record, kinds and
// dates are in range, numbers are unique, each book has its opening balance, transfers pair up.
#include <string>
#include <vector>

#include "BookLists.h"

std::vector<std::string> CheckBookLinks(const TBookLists& L);
