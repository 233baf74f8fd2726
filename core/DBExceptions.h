#pragma once
// One exception class per record list. They signal an index or a number that does not exist,
// which means the open book is inconsistent; the caller abandons the operation.
#include <stdexcept>
#include <string>

#define QB_DB_EXCEPTION(Name)                                         \
  class Name : public std::runtime_error {                            \
   public:                                                            \
    explicit Name(const std::string& Msg) : std::runtime_error(Msg) {} \
  };

QB_DB_EXCEPTION(EMainActDBException)
QB_DB_EXCEPTION(ESubActDBException)
QB_DB_EXCEPTION(EGroupDBException)
QB_DB_EXCEPTION(ECatDBException)
QB_DB_EXCEPTION(EBookDBException)
QB_DB_EXCEPTION(ETransDBException)

// A typed number that is not a number (ParseMoneyText with two decimal separators, ...).
QB_DB_EXCEPTION(EConvertError)

#undef QB_DB_EXCEPTION
