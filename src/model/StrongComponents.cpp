#include "model/StrongComponents.h"

namespace palaver {

void TStrongComponents::Reset(std::size_t Nodes) {
  for (const int N : Visited)
    Order[static_cast<std::size_t>(N)].Number = Unvisited;
  Visited.clear();
  Path.clear();
  Stack.clear();
  Counter = 0;
  if (Order.size() < Nodes) Order.resize(Nodes);
}

}  // namespace palaver
