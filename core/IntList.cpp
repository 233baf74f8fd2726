#include "IntList.h"

void TIntList::Insert(int Index, std::int32_t Value) {
  if (Index < 0 || Index > Count()) throw std::out_of_range("List index out of bounds");
  Values.insert(Values.begin() + Index, Value);
}
