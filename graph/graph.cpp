#include "graph/graph.h"
Graph::~Graph() = default;
